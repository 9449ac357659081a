// Fixed-point and exponent printing through std::to_chars; see the header for
// why the C library's printf is not used.
#include "runtime/core/number_printing.h"

#include "runtime/core/assert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zrt {
namespace {

// The largest finite double has 309 integer digits; the sign, the point and
// an exponent of at most five bytes fit in the rest of the margin.
constexpr int digits_margin = 330;
// Precisions up to this are printed on the stack, saving an allocation.
constexpr int stack_decimals = 40;

std::string print_into(char* first, char* last, double value, std::chars_format form, int decimals) {
  const auto [end, error] = std::to_chars(first, last, value, form, decimals);
  ZASSERT(error == std::errc{}, "the buffer holds every double at this precision");
  return std::string(first, end);
}

std::string print(double value, std::chars_format form, int decimals) {
  if (std::isnan(value)) value = std::numeric_limits<double>::quiet_NaN();  // "nan" whatever its sign bit
  decimals = std::max(decimals, 0);
  if (decimals <= stack_decimals) {
    char text[stack_decimals + digits_margin];
    return print_into(text, text + sizeof text, value, form, decimals);
  }
  std::string text(static_cast<std::size_t>(decimals) + digits_margin, '\0');
  return print_into(text.data(), text.data() + text.size(), value, form, decimals);
}

}  // namespace

std::string print_fixed(double value, int decimals) {
  return print(value, std::chars_format::fixed, decimals);
}

std::string print_exponent(double value, int decimals) {
  return print(value, std::chars_format::scientific, decimals);
}

}  // namespace zrt
