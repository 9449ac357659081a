// Copies of a string changed character by character: letter case (upper,
// lower or title, mapped by the character model; single-byte characters only,
// double-byte characters are kept as they are) and white space trimmed (by
// the character model's white-space characters) from the start, the end or
// both ends.
#pragma once

#include "runtime/core/character_model.h"
#include "runtime/core/strings.h"

namespace zrt {

[[nodiscard]] ZString* upper_cased(const CharacterModel& model, ZString* string);
[[nodiscard]] ZString* lower_cased(const CharacterModel& model, ZString* string);
// Words are separated by white space; each word's first character goes to
// upper case and the rest to lower case.
[[nodiscard]] ZString* title_cased(const CharacterModel& model, ZString* string);

[[nodiscard]] ZString* trimmed_start(const CharacterModel& model, ZString* string);
[[nodiscard]] ZString* trimmed_end(const CharacterModel& model, ZString* string);
[[nodiscard]] ZString* trimmed(const CharacterModel& model, ZString* string);

}  // namespace zrt
