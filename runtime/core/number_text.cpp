// Numbers to plain text, built on the fixed-point and exponent printing of
// number_printing.cpp.
#include "runtime/core/number_text.h"

#include "runtime/core/number_printing.h"

#include <cmath>

namespace zrt {
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
