// Case pairs and white space of a Windows-1252-like single-byte code page.
#include "runtime/core/western_character_tables.h"

#include <utility>

namespace zrt {
namespace {

void add_case_pair(CharacterTables& tables, std::uint8_t capital, std::uint8_t small) {
  tables.upper[small] = capital;
  tables.lower[capital] = small;
}

void add_case_range(CharacterTables& tables, std::uint8_t first_capital, std::uint8_t last_capital,
                    std::uint8_t first_small) {
  for (int offset = 0; offset <= last_capital - first_capital; ++offset) {
    add_case_pair(tables, static_cast<std::uint8_t>(first_capital + offset),
                  static_cast<std::uint8_t>(first_small + offset));
  }
}

}  // namespace

CharacterTables western_character_tables() {
  CharacterTables tables = identity_tables();
  add_case_range(tables, 'A', 'Z', 'a');
  // Latin-1 letters, except the multiplication and division signs that sit
  // among them; sharp s and y diaeresis have no capital in the same range.
  add_case_range(tables, 0xC0, 0xD6, 0xE0);
  add_case_range(tables, 0xD8, 0xDE, 0xF8);
  // The letters the code page adds in 0x80-0x9F.
  for (const auto& [capital, small] : {std::pair{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}}) {
    add_case_pair(tables, static_cast<std::uint8_t>(capital), static_cast<std::uint8_t>(small));
  }
  // Tab, line feed, vertical tab, form feed, carriage return, space and the
  // no-break space are the bytes of type space or blank.
  for (const int space : {0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x20, 0xA0}) tables.spaces.set(static_cast<std::size_t>(space));
  return tables;
}

}  // namespace zrt
