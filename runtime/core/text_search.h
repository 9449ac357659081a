// Searching and replacing without regard to letter case: both sides go
// through the character model's upper-case table before they are compared.
#pragma once

#include "runtime/core/character_model.h"
#include "runtime/core/strings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zrt {

// A text searched for a needle regardless of case: the needle is upper-cased
// once and the text byte by byte as it is compared, so a search makes no copy
// of the text. Offsets are 0-based bytes. The model and the text must outlive
// the search.
class CaseBlindSearch {
 public:
  CaseBlindSearch(const CharacterModel& model, std::string_view text, std::string_view needle);

  // The first match at or after from, or npos; the empty needle never
  // matches. By bytes, a match may begin on a trail byte; by characters it
  // begins and ends only where characters do (from must be such a place).
  [[nodiscard]] std::size_t find_bytes_from(std::size_t from) const;
  [[nodiscard]] std::size_t find_characters_from(std::size_t from) const;
  [[nodiscard]] std::size_t needle_size() const { return m_needle.size(); }

 private:
  [[nodiscard]] std::size_t next_first_byte(std::size_t from, std::size_t last_start) const;
  [[nodiscard]] bool matches_at(std::size_t offset) const;
  [[nodiscard]] bool ends_where_a_character_ends(std::size_t offset) const;

  const CharacterModel& m_model;
  std::string_view m_text;
  std::string m_needle;
};

// The 1-based byte position of find at or after byte position start, or 0.
// An empty find gives start - 1, and an empty string 0. A start below 1
// counts as 1.
[[nodiscard]] std::int32_t position_ignoring_case(const CharacterModel& model, std::int32_t start,
                                                  const ZString* string, const ZString* find);
// The same with start and the result counted in characters, and matches
// only of whole characters.
[[nodiscard]] std::int32_t character_position_ignoring_case(const CharacterModel& model, std::int32_t start,
                                                            const ZString* string, const ZString* find);

// The string with the first, or every, match of find replaced; matches are
// taken left to right, where characters begin, and the replacement text is
// never searched again. An empty find, or no match, gives the string itself.
[[nodiscard]] ZString* replace_first(const CharacterModel& model, ZString* string, const ZString* find,
                                     const ZString* replacement);
[[nodiscard]] ZString* replace_all(const CharacterModel& model, ZString* string, const ZString* find,
                                   const ZString* replacement);

}  // namespace zrt
