// What the portable core asks of the operating system: the millisecond tick,
// the character tables of the code page and locale, the locale's number
// separators and its order of text. Windows answers in
// system_queries_win32.cpp; elsewhere system_queries_host.cpp gives fixed
// English answers, so the portable code runs and is tested on any machine.
#pragma once

#include "runtime/core/character_model.h"
#include "runtime/core/number_separators.h"

#include <cstdint>
#include <string_view>

namespace zrt {

// The system's millisecond tick count, which wraps around after 2^32 ms.
[[nodiscard]] std::uint32_t millisecond_tick();

// On Windows the ANSI code page and the user's default locale; elsewhere the
// fixed single-byte Western tables.
[[nodiscard]] CharacterTables query_system_character_tables();

// Separators of the user's default locale, read once and kept for the process.
[[nodiscard]] const NumberSeparators& locale_number_separators();

// The locale's order of two texts, ignoring letter case: -1, 0 or 1.
[[nodiscard]] int compare_in_locale(std::string_view first, std::string_view second);

}  // namespace zrt
