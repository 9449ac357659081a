// Truncation, rounding and colour composition.
#include "runtime/core/arithmetic.h"

#include <algorithm>
#include <cmath>
#include <limits>

#if defined(__i386__) || defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace zrt {
namespace {

constexpr std::int32_t integer_indefinite = std::numeric_limits<std::int32_t>::min();

std::uint32_t clamp_component(std::int32_t component) {
  return static_cast<std::uint32_t>(std::clamp(component, 0, 255));
}

// Values whose integer part fits in 32 bits; NaN, which fails every
// comparison, does not.
bool integer_part_fits(double value) { return value > -2147483649.0 && value < 2147483648.0; }

// The integer part of a value for which integer_part_fits holds. On x86 one
// SSE2 instruction (which Windows 8 and later require of the processor):
// the 32-bit C library's trunc and floor and the x87 conversion reload the
// floating-point control word each time, and plot drawing rounds every
// coordinate.
#if defined(__i386__) || defined(__x86_64__)
__attribute__((target("sse2"))) std::int32_t integer_part(double value) {
  return _mm_cvttsd_si32(_mm_set_sd(value));
}
#else
std::int32_t integer_part(double value) { return static_cast<std::int32_t>(value); }
#endif

double floor_of(double value) {
  if (!integer_part_fits(value) || value == 0) return std::floor(value);  // keeps -0 and the huge
  const double truncated = integer_part(value);
  return truncated > value ? truncated - 1 : truncated;
}

}  // namespace

std::int32_t truncate_to_int(double value) {
  return integer_part_fits(value) ? integer_part(value) : integer_indefinite;
}

double round_half_up(double value) {
  // floor(value + 0.5) rounds the sum before taking its floor, so that
  // 0.49999999999999994 gives 1 and an odd integer above 2^52 the even one
  // after it. The distance to the floor is always exact.
  const double below = floor_of(value);
  return value - below >= 0.5 ? below + 1 : below;
}

std::uint32_t compose_color(std::int32_t red, std::int32_t green, std::int32_t blue) {
  return clamp_component(red) << 16 | clamp_component(green) << 8 | clamp_component(blue);
}

}  // namespace zrt
