// Builds the character model from the system: lead bytes of the ANSI code
// page, and case mapping and white space for the user's default locale.
#include "runtime/core/system_character_model.h"

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

}  // namespace

CharacterTables query_system_character_tables() {
  CharacterTables tables = identity_tables();
  for (std::size_t value = 0; value < byte_values; ++value) {
    tables.lead_bytes[value] = ::IsDBCSLeadByte(static_cast<BYTE>(value)) != FALSE;
  }
  add_single_byte_characters(tables);
  add_double_byte_spaces(tables);
  return tables;
}

}  // namespace zrt
