// Text to number. Decimal numbers are scanned here, by the grammar of "%lf",
// and converted by std::from_chars, so neither the C locale's decimal point
// nor a C library's extensions (hexadecimal floats, "inf", "nan") change what
// a program reads.
#include "runtime/core/number_reading.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace zrt {
namespace {

bool is_digit(char byte) {
  return byte >= '0' && byte <= '9';
}

// The white space "%lf" skips: the C locale's isspace.
bool is_space(char byte) {
  return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

int radix_of(char letter) {
  switch (letter) {
    case 'H': case 'h': return 16;
    case 'O': case 'o': return 8;
    case 'B': case 'b': return 2;
    default: return 0;
  }
}

// The value of a digit of the radix, or -1 for a byte that is none. Letters
// count 10 upward, so for hexadecimal only "A" to "F" are digits.
int digit_value(char byte, int radix) {
  int value = -1;
  if (is_digit(byte)) value = byte - '0';
  else if (byte >= 'A' && byte <= 'Z') value = byte - 'A' + 10;
  else if (byte >= 'a' && byte <= 'z') value = byte - 'a' + 10;
  return value < radix ? value : -1;
}

double read_radix_integer(std::string_view digits, int radix) {
  std::uint32_t value = 0;  // unsigned, so that overflow wraps as defined
  for (char byte : digits) {
    const int digit = digit_value(byte, radix);
    if (digit >= 0) value = value * static_cast<std::uint32_t>(radix) + static_cast<std::uint32_t>(digit);
  }
  return static_cast<std::int32_t>(value);
}

std::size_t skip_digits(std::string_view text, std::size_t at) {
  while (at < text.size() && is_digit(text[at])) ++at;
  return at;
}

// A decimal number without its sign: digits with an optional point, then an
// optional exponent, taken only when it has a digit.
struct DecimalSpan {
  std::size_t mantissa_end = 0;
  std::size_t end = 0;
  bool has_digits = false;
};

DecimalSpan scan_unsigned_decimal(std::string_view text, std::size_t start) {
  DecimalSpan span;
  std::size_t at = skip_digits(text, start);
  span.has_digits = at > start;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fraction = at + 1;
    at = skip_digits(text, fraction);
    span.has_digits = span.has_digits || at > fraction;
  }
  span.mantissa_end = span.end = at;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t digits = at + 1;
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
    const std::size_t exponent_end = skip_digits(text, digits);
    if (exponent_end > digits) span.end = exponent_end;
  }
  return span;
}

// The decimal exponent of the first significant digit of a number that is
// beyond the doubles: positive when it is too large, negative when too small.
long significant_exponent(std::string_view mantissa, std::string_view exponent) {
  constexpr long exponent_cap = 1'000'000;  // far past any double, and no overflow
  long written = 0;
  const bool negative = !exponent.empty() && exponent[0] == '-';
  for (char byte : exponent)
    if (is_digit(byte) && written < exponent_cap) written = written * 10 + (byte - '0');
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  const long place = first < point ? static_cast<long>(point - first) - 1 : static_cast<long>(point) - static_cast<long>(first);
  return place + (negative ? -written : written);
}

double read_decimal(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && is_space(text[at])) ++at;
  const bool negative = at < text.size() && text[at] == '-';
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  const DecimalSpan span = scan_unsigned_decimal(text, at);
  if (!span.has_digits) return 0;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data() + at, text.data() + span.end, value);
  if (error == std::errc::result_out_of_range) {
    const std::string_view mantissa = text.substr(at, span.mantissa_end - at);
    const std::string_view exponent =
        span.end > span.mantissa_end ? text.substr(span.mantissa_end + 1, span.end - span.mantissa_end - 1) : std::string_view{};
    value = significant_exponent(mantissa, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

void replace_all(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty()) return;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace

double text_to_number(std::string_view text) {
  if (text.size() >= 2 && text[0] == '&') {
    const int radix = radix_of(text[1]);
    return radix == 0 ? 0.0 : read_radix_integer(text.substr(2), radix);
  }
  return read_decimal(text);
}

double locale_text_to_number(std::string_view text, const NumberSeparators& separators) {
  std::string plain(text);
  replace_all(plain, separators.thousands, "");
  replace_all(plain, separators.decimal, ".");
  return text_to_number(plain);
}

}  // namespace zrt
