// Trimming white space (by the character model's white-space characters)
// from the start, the end or both ends of a string.
#pragma once

#include "runtime/core/character_model.h"
#include "runtime/core/strings.h"

namespace zrt {

[[nodiscard]] ZString* trimmed_start(const CharacterModel& model, ZString* string);
[[nodiscard]] ZString* trimmed_end(const CharacterModel& model, ZString* string);
[[nodiscard]] ZString* trimmed(const CharacterModel& model, ZString* string);

}  // namespace zrt
