// A single-byte Western character model shaped like Windows code page 1252:
// the model where there is no system to ask, and a fixed model for tests.
#pragma once

#include "runtime/core/character_model.h"

namespace zrt {

[[nodiscard]] CharacterTables western_character_tables();

}  // namespace zrt
