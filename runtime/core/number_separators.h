// The thousands and decimal separators that the locale-aware conversions and
// number patterns use. The system's values come from locale_number_separators
// (system_queries.h); the conversions take the separators as a parameter so
// any locale can be tested.
#pragma once

#include <string_view>

namespace zrt {

struct NumberSeparators {
  std::string_view thousands;
  std::string_view decimal;
};

// The system gives each separator in at most this many bytes.
inline constexpr int max_separator_length = 3;

}  // namespace zrt
