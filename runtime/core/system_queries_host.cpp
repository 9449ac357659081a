// The system's answers where there is no Windows: a steady-clock tick, the
// Western single-byte character tables, the English number separators and a
// byte order with ASCII letters folded.
#include "runtime/core/system_queries.h"

#include <algorithm>
#include <cctype>
#include <chrono>

namespace zrt {

std::uint32_t millisecond_tick() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

CharacterTables query_system_character_tables() {
  return western_character_tables();
}

// A comma between groups of thousands and a point before the fraction.
const NumberSeparators& locale_number_separators() {
  static constexpr NumberSeparators separators{",", "."};
  return separators;
}

// Orders plain text as the system's comparison for an English locale would.
int compare_in_locale(std::string_view first, std::string_view second) {
  const auto folded = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
  const auto [in_first, in_second] =
      std::mismatch(first.begin(), first.end(), second.begin(), second.end(),
                    [&](char x, char y) { return folded(x) == folded(y); });
  if (in_first == first.end()) return in_second == second.end() ? 0 : -1;
  if (in_second == second.end()) return 1;
  return folded(*in_first) < folded(*in_second) ? -1 : 1;
}

}  // namespace zrt
