// The character model of the system the runtime runs on: asked for once, on
// first use, and kept for the life of the process.
#pragma once

#include "runtime/core/character_model.h"

namespace zrt {

[[nodiscard]] const CharacterModel& system_character_model();

// Asks the system for its tables. On Windows this is the ANSI code page and
// the user's default locale; elsewhere a fixed single-byte Western model.
[[nodiscard]] CharacterTables query_system_character_tables();

}  // namespace zrt
