// Numbers to plain text, built on fixed-point and exponent printing through
// std::to_chars; see the header for why the C library's printf is not used.
#include "runtime/core/number_text.h"

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

namespace {

constexpr int general_decimals = 7;
constexpr double smallest_fixed = 0.00001;
constexpr double largest_fixed = 1'000'000;

bool prints_fixed(double magnitude) {
  return magnitude == 0 || (magnitude >= smallest_fixed && magnitude <= largest_fixed);
}

// A fixed-point text always has a point here, so this never eats integer zeros.
void trim_fraction_zeros(std::string& text) {
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
}

// Digits of a power-of-two radix, taken bits_per_digit at a time.
std::string power_of_two_digits(std::uint32_t value, int bits_per_digit) {
  static constexpr char digits[] = "0123456789ABCDEF";
  const std::uint32_t mask = (1u << bits_per_digit) - 1;
  std::string text;
  do {
    text.insert(text.begin(), digits[value & mask]);
    value >>= bits_per_digit;
  } while (value != 0);
  return text;
}

}  // namespace

std::string number_to_text(double value) {
  if (value == 0) value = 0;  // negative zero prints as "0", not "-0"
  if (!prints_fixed(std::fabs(value))) return print_exponent(value, general_decimals);
  std::string text = print_fixed(value, general_decimals);
  trim_fraction_zeros(text);
  return text;
}

std::string number_to_locale_text(double value, const NumberSeparators& separators) {
  std::string text = number_to_text(value);
  const std::size_t point = text.find('.');
  if (point != std::string::npos) text.replace(point, 1, separators.decimal);
  return text;
}

std::string hexadecimal_digits(std::uint32_t value) {
  return power_of_two_digits(value, 4);
}

std::string octal_digits(std::uint32_t value) {
  return power_of_two_digits(value, 3);
}

}  // namespace zrt
