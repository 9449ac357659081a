// The arithmetic the language's conversions and functions need beyond what
// the C++ library gives as is: truncation to a 32-bit integer, rounding of
// halves upward and colour composition.
#pragma once

#include <cstdint>

namespace zrt {

// Truncated toward zero; NaN and values whose truncation does not fit give
// the integer indefinite value 0x80000000, as the processor's conversion does.
[[nodiscard]] std::int32_t truncate_to_int(double value);

// The nearest integer, halves going up (2.5 gives 3, -2.5 gives -2).
[[nodiscard]] double round_half_up(double value);

// 0x00RRGGBB with each component clamped to 0..255.
[[nodiscard]] std::uint32_t compose_color(std::int32_t red, std::int32_t green, std::int32_t blue);

}  // namespace zrt
