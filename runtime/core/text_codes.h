// Character codes: the code of a string's first byte or character, and the
// string of one byte or character made from a code.
#pragma once

#include "runtime/core/character_model.h"
#include "runtime/core/strings.h"

#include <cstdint>

namespace zrt {

// The first byte as 0-255; 0 for the empty string.
[[nodiscard]] std::int32_t first_byte_code(const ZString* string);
// A double-byte first character gives lead * 256 + trail.
[[nodiscard]] std::int32_t first_character_code(const CharacterModel& model, const ZString* string);

// One byte, the low byte of the code; a code of 0 gives a one-byte string
// holding 0, since runtime strings are counted and may hold any byte.
[[nodiscard]] ZString* byte_string(std::int32_t code);
// Codes below 256 give one byte, others the two bytes code / 256 (its low
// byte) and code's low byte.
[[nodiscard]] ZString* character_string(std::int32_t code);

}  // namespace zrt
