// Stepping through text character by character, case mapping that keeps
// double-byte characters intact, the system's model, and the case pairs and
// white space of a Windows-1252-like single-byte code page.
#include "runtime/core/character_model.h"

#include "runtime/core/system_queries.h"

#include <algorithm>
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

CharacterTables identity_tables() {
  CharacterTables tables;
  for (std::size_t byte = 0; byte < byte_values; ++byte) {
    tables.upper[byte] = static_cast<std::uint8_t>(byte);
    tables.lower[byte] = static_cast<std::uint8_t>(byte);
  }
  return tables;
}

CharacterModel::CharacterModel(CharacterTables tables)
    : m_tables(std::move(tables)), m_double_byte(m_tables.lead_bytes.any()) {
  std::sort(m_tables.double_byte_spaces.begin(), m_tables.double_byte_spaces.end());
  for (std::size_t byte = 0; byte < byte_values; ++byte) {
    const std::uint8_t capital = m_tables.upper[byte];
    std::array<char, 2>& bytes = m_bytes_with_upper[capital];
    if (m_upper_counts[capital]++ == 0) bytes[0] = static_cast<char>(byte);
    bytes[1] = static_cast<char>(byte);
  }
}

std::size_t CharacterModel::character_size(std::string_view text, std::size_t offset) const {
  const bool has_trail = offset + 1 < text.size();
  return has_trail && is_lead_byte(static_cast<std::uint8_t>(text[offset])) ? 2 : 1;
}

bool CharacterModel::is_space_at(std::string_view text, std::size_t offset) const {
  const auto first = static_cast<std::uint8_t>(text[offset]);
  if (character_size(text, offset) == 1) return m_tables.spaces[first];
  return is_double_byte_space(first, static_cast<std::uint8_t>(text[offset + 1]));
}

bool CharacterModel::is_double_byte_space(std::uint8_t lead, std::uint8_t trail) const {
  const auto code = static_cast<std::uint16_t>(lead * byte_values + trail);
  return std::binary_search(m_tables.double_byte_spaces.begin(), m_tables.double_byte_spaces.end(), code);
}

std::size_t CharacterModel::count_characters(std::string_view text) const {
  if (!m_double_byte) return text.size();
  std::size_t count = 0;
  for (std::size_t offset = 0; offset < text.size(); offset += character_size(text, offset)) ++count;
  return count;
}

std::size_t CharacterModel::offset_of_character(std::string_view text, std::int64_t index) const {
  if (index <= 0) return 0;
  // Every character has at least one byte, so an index at or past the byte
  // count is past the last character too.
  if (static_cast<std::uint64_t>(index) >= text.size()) return text.size();
  if (!m_double_byte) return static_cast<std::size_t>(index);
  std::size_t offset = 0;
  for (std::int64_t passed = 0; passed < index && offset < text.size(); ++passed) {
    offset += character_size(text, offset);
  }
  return offset;
}

std::size_t CharacterModel::characters_before(std::string_view text, std::size_t offset) const {
  return count_characters(text.substr(0, std::min(offset, text.size())));
}

void CharacterModel::map_in_place(std::span<std::uint8_t> bytes,
                                  const std::array<std::uint8_t, byte_values>& table) const {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  std::size_t size = 0;
  for (std::size_t offset = 0; offset < bytes.size(); offset += size) {
    // Measured before the byte changes, so a mapping cannot move the steps.
    size = character_size(text, offset);
    if (size == 1) bytes[offset] = table[bytes[offset]];
  }
}

void CharacterModel::upper_in_place(std::span<std::uint8_t> bytes) const {
  map_in_place(bytes, m_tables.upper);
}

void CharacterModel::lower_in_place(std::span<std::uint8_t> bytes) const {
  map_in_place(bytes, m_tables.lower);
}

std::string CharacterModel::upper_copy(std::string_view text) const {
  std::string copy(text);
  upper_in_place(std::span(reinterpret_cast<std::uint8_t*>(copy.data()), copy.size()));
  return copy;
}

const CharacterModel& system_character_model() {
  static const CharacterModel model(query_system_character_tables());
  return model;
}

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
