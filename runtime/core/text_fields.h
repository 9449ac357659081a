// Fields: the pieces of a string between occurrences of a separator, which
// is matched without regard to letter case, where characters begin, as in
// the searches.
#pragma once

#include "runtime/core/character_model.h"
#include "runtime/core/strings.h"

#include <cstdint>

namespace zrt {

// 0 for an empty string, 1 for an empty separator, else one more than the
// separators found left to right without overlap.
[[nodiscard]] std::int32_t count_fields(const CharacterModel& model, const ZString* string,
                                        const ZString* separator);
// Field number (1-based); the empty string when the string or the separator
// is empty, number is below 1 or there are fewer fields.
[[nodiscard]] ZString* nth_field(const CharacterModel& model, ZString* string, const ZString* separator,
                                 std::int32_t number);

}  // namespace zrt
