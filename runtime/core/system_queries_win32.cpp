// The system's answers on Windows: GetTickCount; the lead bytes of the ANSI
// code page with case mapping and white space of the user's default locale;
// that locale's separators, read once with GetLocaleInfoA; and its order of
// text through CompareStringA.
#include "runtime/core/system_queries.h"

#include <windows.h>

namespace zrt {
namespace {

constexpr WORD white_space_types = C1_SPACE | C1_BLANK;

std::uint8_t mapped_byte(std::uint8_t byte, DWORD (WINAPI* map)(LPSTR, DWORD)) {
  char text[1] = {static_cast<char>(byte)};
  map(text, 1);
  return static_cast<std::uint8_t>(text[0]);
}

bool is_white_space_byte(std::uint8_t byte) {
  const char text[1] = {static_cast<char>(byte)};
  WORD type = 0;
  if (!::GetStringTypeExA(LOCALE_USER_DEFAULT, CT_CTYPE1, text, 1, &type)) return false;
  return (type & white_space_types) != 0;
}

// A double-byte character is of type space when its one UTF-16 unit is.
bool is_white_space_pair(std::uint8_t lead, std::uint8_t trail) {
  const char text[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  wchar_t wide[2] = {};
  if (::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text, 2, wide, 2) != 1) return false;
  WORD type = 0;
  if (!::GetStringTypeW(CT_CTYPE1, wide, 1, &type)) return false;
  return (type & white_space_types) != 0;
}

void add_single_byte_characters(CharacterTables& tables) {
  for (std::size_t value = 0; value < byte_values; ++value) {
    const auto byte = static_cast<std::uint8_t>(value);
    if (tables.lead_bytes[value]) continue;
    tables.upper[value] = mapped_byte(byte, ::CharUpperBuffA);
    tables.lower[value] = mapped_byte(byte, ::CharLowerBuffA);
    tables.spaces[value] = is_white_space_byte(byte);
  }
}

// About 30,000 pairs on a code page such as 932; asked once per process.
void add_double_byte_spaces(CharacterTables& tables) {
  for (std::size_t lead = 0; lead < byte_values; ++lead) {
    if (!tables.lead_bytes[lead]) continue;
    for (std::size_t trail = 1; trail < byte_values; ++trail) {
      if (is_white_space_pair(static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(trail))) {
        tables.double_byte_spaces.push_back(static_cast<std::uint16_t>(lead * byte_values + trail));
      }
    }
  }
}

// Holds one separator: up to max_separator_length bytes and the NUL.
struct SeparatorText {
  char bytes[max_separator_length + 1] = {};
  std::string_view view() const { return bytes; }
};

// A value the system cannot give in its documented size falls back to the
// English separator, so a number never loses its separator.
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

std::uint32_t millisecond_tick() {
  return ::GetTickCount();
}

CharacterTables query_system_character_tables() {
  CharacterTables tables = identity_tables();
  for (std::size_t value = 0; value < byte_values; ++value) {
    tables.lead_bytes[value] = ::IsDBCSLeadByte(static_cast<BYTE>(value)) != FALSE;
  }
  add_single_byte_characters(tables);
  add_double_byte_spaces(tables);
  return tables;
}

const NumberSeparators& locale_number_separators() {
  static const SeparatorText thousands = read_separator(LOCALE_STHOUSAND, ",");
  static const SeparatorText decimal = read_separator(LOCALE_SDECIMAL, ".");
  static const NumberSeparators separators{thousands.view(), decimal.view()};
  return separators;
}

int compare_in_locale(std::string_view first, std::string_view second) {
  // The system is given a real pointer even for empty text.
  const auto text = [](std::string_view view) { return view.empty() ? "" : view.data(); };
  const int order = ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text(first),
                                     static_cast<int>(first.size()), text(second), static_cast<int>(second.size()));
  // CSTR_LESS_THAN, CSTR_EQUAL and CSTR_GREATER are 1, 2 and 3; 0 is failure.
  return order == 0 ? 0 : order - CSTR_EQUAL;
}

}  // namespace zrt
