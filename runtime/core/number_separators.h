// The thousands and decimal separators that the locale-aware conversions and
// number patterns use. The system's values come through one small seam
// (number_separators_win32.cpp, or number_separators_host.cpp elsewhere); the
// conversions take the separators as a parameter so any locale can be tested.
#pragma once

#include <string_view>

namespace zrt {

struct NumberSeparators {
  std::string_view thousands;
  std::string_view decimal;
};

// The system gives each separator in at most this many bytes.
inline constexpr int max_separator_length = 3;

// Separators of the user's default locale, read once and kept for the process.
[[nodiscard]] const NumberSeparators& locale_number_separators();

}  // namespace zrt
