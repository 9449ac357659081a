// The user's default locale's thousands and decimal separators, read once with
// GetLocaleInfoA. A value the system cannot give in its documented size falls
// back to the English separator, so a number never loses its separator.
#include "runtime/core/number_separators.h"

#include <windows.h>

namespace zrt {
namespace {

// Holds one separator: up to max_separator_length bytes and the NUL.
struct SeparatorText {
  char bytes[max_separator_length + 1] = {};
  std::string_view view() const { return bytes; }
};

SeparatorText read_separator(LCTYPE item, const char* fallback) {
  SeparatorText text;
  // The count includes the NUL; 0 means failure, including a value too long.
  if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text.bytes, sizeof text.bytes) == 0) {
    text = SeparatorText{};
    std::string_view(fallback).copy(text.bytes, max_separator_length);
  }
  return text;
}

}  // namespace

const NumberSeparators& locale_number_separators() {
  static const SeparatorText thousands = read_separator(LOCALE_STHOUSAND, ",");
  static const SeparatorText decimal = read_separator(LOCALE_SDECIMAL, ".");
  static const NumberSeparators separators{thousands.view(), decimal.view()};
  return separators;
}

}  // namespace zrt
