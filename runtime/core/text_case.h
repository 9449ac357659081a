// Letter case: copies of a string in upper, lower or title case, mapped by
// the character model (single-byte characters only; double-byte characters
// are kept as they are).
#pragma once

#include "runtime/core/character_model.h"
#include "runtime/core/strings.h"

namespace zrt {

[[nodiscard]] ZString* upper_cased(const CharacterModel& model, ZString* string);
[[nodiscard]] ZString* lower_cased(const CharacterModel& model, ZString* string);
// Words are separated by white space; each word's first character goes to
// upper case and the rest to lower case.
[[nodiscard]] ZString* title_cased(const CharacterModel& model, ZString* string);

}  // namespace zrt
