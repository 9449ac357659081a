// The character model: which bytes begin a double-byte character, and how
// single-byte characters change case and count as white space. It is a plain
// value, so the text routines run the same against any code page; the
// process's own model is built once, on first use, from the system's tables.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zrt {

inline constexpr std::size_t byte_values = 256;

// What a model is built from. Double-byte characters are written as one
// code, lead byte * 256 + trail byte.
struct CharacterTables {
  std::bitset<byte_values> lead_bytes;
  std::array<std::uint8_t, byte_values> upper{};
  std::array<std::uint8_t, byte_values> lower{};
  std::bitset<byte_values> spaces;
  std::vector<std::uint16_t> double_byte_spaces;
};

// No lead bytes, every byte its own upper and lower case, no white space:
// the starting point of every builder.
[[nodiscard]] CharacterTables identity_tables();

class CharacterModel {
 public:
  explicit CharacterModel(CharacterTables tables);

  // A system with any lead byte counts characters instead of bytes.
  [[nodiscard]] bool is_double_byte() const { return m_double_byte; }
  [[nodiscard]] bool is_lead_byte(std::uint8_t byte) const { return m_tables.lead_bytes[byte]; }
  [[nodiscard]] std::uint8_t upper(std::uint8_t byte) const { return m_tables.upper[byte]; }
  [[nodiscard]] std::uint8_t lower(std::uint8_t byte) const { return m_tables.lower[byte]; }
  // The bytes whose upper case is `capital`, as two values (the same one
  // twice when only one byte has it), so that a search can look for them
  // sixteen bytes at a time; null when more than two bytes, or none, have it.
  [[nodiscard]] const std::array<char, 2>* bytes_with_upper(std::uint8_t capital) const {
    return m_upper_counts[capital] == 0 || m_upper_counts[capital] > 2 ? nullptr : &m_bytes_with_upper[capital];
  }

  // Bytes in the character that starts at offset: two for a lead byte with a
  // byte after it, otherwise one. A lead byte that ends the text is a
  // character of its own, so no caller ever reads past the end.
  [[nodiscard]] std::size_t character_size(std::string_view text, std::size_t offset) const;
  [[nodiscard]] bool is_space_at(std::string_view text, std::size_t offset) const;

  [[nodiscard]] std::size_t count_characters(std::string_view text) const;
  // The byte offset where the character with this 0-based index starts: 0
  // for an index below 0, the text's size for one past its last character.
  [[nodiscard]] std::size_t offset_of_character(std::string_view text, std::int64_t index) const;
  // How many characters start before the byte offset.
  [[nodiscard]] std::size_t characters_before(std::string_view text, std::size_t offset) const;

  // Case mapping touches single-byte characters only: the trail byte of a
  // double-byte character may look like an ASCII letter and must survive.
  void upper_in_place(std::span<std::uint8_t> bytes) const;
  void lower_in_place(std::span<std::uint8_t> bytes) const;
  [[nodiscard]] std::string upper_copy(std::string_view text) const;

 private:
  void map_in_place(std::span<std::uint8_t> bytes, const std::array<std::uint8_t, byte_values>& table) const;
  [[nodiscard]] bool is_double_byte_space(std::uint8_t lead, std::uint8_t trail) const;

  CharacterTables m_tables;
  bool m_double_byte;
  std::array<std::array<char, 2>, byte_values> m_bytes_with_upper{};
  std::array<std::uint16_t, byte_values> m_upper_counts{};
};

// The model of the system the runtime runs on: built from
// query_system_character_tables on first use and kept for the life of the
// process.
[[nodiscard]] const CharacterModel& system_character_model();

// A single-byte Western model shaped like Windows code page 1252: the model
// where there is no system to ask, and a fixed model for tests.
[[nodiscard]] CharacterTables western_character_tables();

}  // namespace zrt
