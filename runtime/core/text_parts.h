// Parts of a string: by the language's 1-based positions, the middle by bytes
// and the left, right, tail and middle by characters of a character model;
// and fields, the pieces between occurrences of a separator, which is matched
// without regard to letter case, where characters begin, as in the searches.
// The byte forms of left, right and tail are the string operations'
// left_part, right_part and tail_from. Every result is a new reference; a
// part that is the whole string is the string itself, shared.
#pragma once

#include "runtime/core/character_model.h"
#include "runtime/core/strings.h"

#include <cstdint>

namespace zrt {

[[nodiscard]] std::int32_t character_length(const CharacterModel& model, const ZString* string);

// From 1-based byte position to the end; a position of 1 or less is the whole.
[[nodiscard]] ZString* tail_from_position(ZString* string, std::int32_t position);
// Count bytes from 1-based position; a position below 1 shortens the count
// by the positions that lie before the string.
[[nodiscard]] ZString* substring(ZString* string, std::int32_t position, std::int32_t count);

[[nodiscard]] ZString* left_characters(const CharacterModel& model, ZString* string, std::int32_t count);
[[nodiscard]] ZString* right_characters(const CharacterModel& model, ZString* string, std::int32_t count);
[[nodiscard]] ZString* tail_from_character(const CharacterModel& model, ZString* string, std::int32_t position);
[[nodiscard]] ZString* substring_characters(const CharacterModel& model, ZString* string, std::int32_t position,
                                            std::int32_t count);

// 0 for an empty string, 1 for an empty separator, else one more than the
// separators found left to right without overlap.
[[nodiscard]] std::int32_t count_fields(const CharacterModel& model, const ZString* string,
                                        const ZString* separator);
// Field number (1-based); the empty string when the string or the separator
// is empty, number is below 1 or there are fewer fields.
[[nodiscard]] ZString* nth_field(const CharacterModel& model, ZString* string, const ZString* separator,
                                 std::int32_t number);

}  // namespace zrt
