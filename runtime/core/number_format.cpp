// Formatting a number by a pattern. The number is printed once in fixed-point
// or exponent form with as many decimals as the section has fraction places
// (one more in exponent form, the last of which is never shown); a walk over
// the section then hands the printed bytes to its digit places.
#include "runtime/core/number_format.h"

#include "runtime/core/name_equality.h"
#include "runtime/core/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace zrt {
namespace {

constexpr char section_separator = ';';
constexpr std::string_view scientific_name = "Scientific";
constexpr std::string_view scientific_section = "-#.000000E+";

// Sections are fields between ";": none in an empty pattern, and a pattern
// without ";" is one section.
std::ptrdiff_t count_sections(std::string_view pattern) {
  if (pattern.empty()) return 0;
  return 1 + std::count(pattern.begin(), pattern.end(), section_separator);
}

// Section number (1-based), or an empty one past the last.
std::string_view nth_section(std::string_view pattern, std::ptrdiff_t number) {
  for (std::ptrdiff_t skipped = 1; skipped < number; ++skipped) {
    const std::size_t separator = pattern.find(section_separator);
    if (separator == std::string_view::npos) return {};
    pattern.remove_prefix(separator + 1);
  }
  return pattern.substr(0, pattern.find(section_separator));
}

// The section that applies to a value, and the value as that section shows it.
struct ChosenSection {
  std::string_view section;
  double value;
  bool negative;  // the value was negative and is now its magnitude
};

ChosenSection choose_section(double value, std::string_view pattern) {
  if (names_equal(pattern, scientific_name)) return {scientific_section, value, false};
  const std::ptrdiff_t sections = count_sections(pattern);
  if (value > 0) return {nth_section(pattern, 1), value, false};
  if (value < 0) return {nth_section(pattern, sections >= 2 ? 2 : 1), -value, true};
  // Zero, and NaN, which is neither above nor below it.
  return {nth_section(pattern, sections >= 3 ? 3 : 1), value, false};
}

bool is_digit_place(char byte) {
  return byte == '#' || byte == '0';
}

bool is_exponent_letter(char byte) {
  return byte == 'e' || byte == 'E';
}

// What a section asks for, found by one scan before anything is printed.
// Digit places after the exponent letter belong to the exponent.
struct SectionLayout {
  std::ptrdiff_t integer_places = 0;
  std::ptrdiff_t fraction_places = 0;
  std::size_t exponent_zeros = 0;  // "0" places after the exponent letter
  bool percent = false;
  bool grouping = false;
  bool exponent = false;
};

SectionLayout scan_section(std::string_view section) {
  SectionLayout layout;
  bool in_fraction = false;
  for (std::size_t at = 0; at < section.size(); ++at) {
    const char byte = section[at];
    if (byte == '\\') ++at;
    else if (is_digit_place(byte) && layout.exponent) layout.exponent_zeros += byte == '0';
    else if (is_digit_place(byte)) ++(in_fraction ? layout.fraction_places : layout.integer_places);
    else if (byte == '.') in_fraction = true;
    else if (byte == '%') layout.percent = true;
    else if (byte == ',') layout.grouping = true;
    else if (is_exponent_letter(byte)) layout.exponent = true;
  }
  return layout;
}

// The printed number and where its parts lie: bytes [0, integer_length) are
// the integer digits (with the sign, when one is printed), bytes before
// digits_end are digits and the point, and an exponent form's exponent
// follows the letter at digits_end.
struct PrintedNumber {
  std::string text;
  std::ptrdiff_t integer_length = 0;
  std::ptrdiff_t digits_end = 0;

  std::string_view exponent() const {
    const auto start = static_cast<std::size_t>(digits_end) + 1;
    return start < text.size() ? std::string_view(text).substr(start) : std::string_view{};
  }
};

// Fraction zeros that a "#" place would not show are removed; a "0" place
// puts back a zero where the printed text has no digit.
PrintedNumber print_number(double value, const SectionLayout& layout) {
  const auto decimals = static_cast<int>(layout.fraction_places);
  PrintedNumber number{layout.exponent ? print_exponent(value, decimals + 1) : print_fixed(value, decimals)};
  std::string& text = number.text;
  std::size_t letter = text.find_first_of("eE");
  if (letter == std::string::npos) letter = text.size();
  if (decimals > 0) {
    // With fraction places the text has a point, which stops the removal.
    std::size_t kept = letter;
    while (text[kept - 1] == '0') --kept;
    text.erase(kept, letter - kept);
    letter = kept;
  }
  number.digits_end = static_cast<std::ptrdiff_t>(letter);
  number.integer_length = static_cast<std::ptrdiff_t>(std::min(text.find('.'), letter));
  return number;
}

// Builds the result by walking a section over a printed number.
class SectionWriter {
 public:
  SectionWriter(const PrintedNumber& number, const SectionLayout& layout, const NumberSeparators& separators,
                const ChosenSection& chosen)
      : m_number(number), m_layout(layout), m_separators(separators), m_chosen(chosen) {}

  std::string write(std::string_view section) {
    for (std::size_t at = 0; at < section.size(); ++at) at = write_byte(section, at);
    return std::move(m_result);
  }

 private:
  // Writes what the byte at `at` stands for; returns the last byte it used.
  std::size_t write_byte(std::string_view section, std::size_t at) {
    const char byte = section[at];
    if (byte == '\\') {
      if (at + 1 < section.size()) m_result += section[at + 1];
      return at + 1;
    }
    if (is_digit_place(byte)) {
      if (m_after_exponent) return at;  // the exponent's places; it was written whole
      if (m_in_fraction) fraction_place(byte);
      else integer_place(byte);
    } else if (byte == '.') {
      decimal_point();
    } else if (byte == '+') {
      if (m_chosen.negative) m_result += '-';
      else if (m_chosen.value > 0) m_result += '+';
    } else if (byte == '-') {
      if (m_chosen.negative) m_result += '-';
    } else if (byte == '%' || byte == '(' || byte == ')') {
      m_result += byte;
    } else if (is_exponent_letter(byte)) {
      return exponent(section, at);
    }
    return at;
  }

  // The integer place counted k from the left of I places. The first one also
  // takes the integer digits that have no place of their own.
  void integer_place(char place) {
    const std::ptrdiff_t k = m_places_seen++;
    const std::ptrdiff_t count = m_layout.integer_places;
    const std::ptrdiff_t printed = m_number.integer_length;
    if (k == 0 && printed > count) {
      leading_digits(printed - count + 1);
      return;
    }
    const bool separator_due = m_layout.grouping && k > 0 && (count - k) % 3 == 0;
    const char digit = digit_at(printed + k - count);
    if (digit == '\0' && place == '#') return;
    // A thousands separator only ever stands between two digits.
    if (separator_due && m_integer_started) m_result += m_separators.thousands;
    m_result += digit == '\0' ? '0' : digit;
    m_integer_started = true;
  }

  // The first `count` integer bytes, with a separator wherever the number of
  // integer bytes still to come is a multiple of three.
  void leading_digits(std::ptrdiff_t count) {
    const std::ptrdiff_t printed = m_number.integer_length;
    for (std::ptrdiff_t l = 1; l <= count; ++l) {
      m_result += m_number.text[static_cast<std::size_t>(l - 1)];
      if (m_layout.grouping && (printed - l) % 3 == 0 && l != count) m_result += m_separators.thousands;
    }
    m_integer_started = true;
  }

  void fraction_place(char place) {
    const char digit = digit_at(m_number.integer_length + m_places_seen++ + 1);
    if (digit != '\0') m_result += digit;
    else if (place == '0') m_result += '0';
  }

  // Only the first point counts. A section without integer places still shows
  // the integer digits of a number of 1 or more rather than dropping them.
  void decimal_point() {
    if (m_in_fraction) return;
    const bool integer_is_zero = m_number.integer_length == 1 && m_number.text[0] == '0';
    if (m_layout.integer_places == 0 && !integer_is_zero) leading_digits(m_number.integer_length);
    m_result += m_separators.decimal;
    m_in_fraction = true;
    m_places_seen = 0;
  }

  // The letter as written, then the printed exponent: "+" after the letter
  // always shows the exponent's sign, "-" only a minus. Returns the last byte
  // used.
  std::size_t exponent(std::string_view section, std::size_t at) {
    m_result += section[at];
    m_after_exponent = true;
    std::string_view printed = m_number.exponent();
    const bool has_sign = !printed.empty() && (printed[0] == '+' || printed[0] == '-');
    const char sign = has_sign ? printed[0] : '+';
    if (has_sign) printed.remove_prefix(1);
    const char next = at + 1 < section.size() ? section[at + 1] : '\0';
    if (next == '+' || (next == '-' && sign == '-') || (next != '-' && has_sign)) m_result += sign;
    if (printed.size() < m_layout.exponent_zeros) m_result.append(m_layout.exponent_zeros - printed.size(), '0');
    m_result += printed;
    return next == '+' || next == '-' ? at + 1 : at;
  }

  // The printed byte for a digit place, or '\0' where the number has none.
  char digit_at(std::ptrdiff_t position) const {
    if (position < 0 || position >= m_number.digits_end) return '\0';
    return m_number.text[static_cast<std::size_t>(position)];
  }

  const PrintedNumber& m_number;
  const SectionLayout& m_layout;
  const NumberSeparators& m_separators;
  const ChosenSection& m_chosen;
  std::string m_result;
  std::ptrdiff_t m_places_seen = 0;  // digit places so far in the current part
  bool m_in_fraction = false;
  bool m_integer_started = false;  // an integer digit or zero has been written
  bool m_after_exponent = false;
};

}  // namespace

std::string format_number(double value, std::string_view pattern, const NumberSeparators& separators) {
  if (value == 0) value = 0;  // negative zero is zero, and never shows a sign
  ChosenSection chosen = choose_section(value, pattern);
  const SectionLayout layout = scan_section(chosen.section);
  if (layout.percent) chosen.value *= 100;
  // A value that is not finite has no digits to place; it keeps its sign.
  if (!std::isfinite(chosen.value)) return print_fixed(chosen.negative ? -chosen.value : chosen.value, 0);
  return SectionWriter(print_number(chosen.value, layout), layout, separators, chosen).write(chosen.section);
}

}  // namespace zrt
