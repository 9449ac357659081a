// Truncation, rounding and colour composition.
#include "runtime/core/arithmetic.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zrt {
namespace {

constexpr std::int32_t integer_indefinite = std::numeric_limits<std::int32_t>::min();

std::uint32_t clamp_component(std::int32_t component) {
  return static_cast<std::uint32_t>(std::clamp(component, 0, 255));
}

}  // namespace

std::int32_t truncate_to_int(double value) {
  const double truncated = std::trunc(value);
  // Written so that NaN, which fails every comparison, is out of range too.
  if (!(truncated >= -2147483648.0 && truncated <= 2147483647.0)) return integer_indefinite;
  return static_cast<std::int32_t>(truncated);
}

double round_half_up(double value) {
  // floor(value + 0.5) rounds the sum before taking its floor, so that
  // 0.49999999999999994 gives 1 and an odd integer above 2^52 the even one
  // after it. The distance to the floor is always exact.
  const double below = std::floor(value);
  return value - below >= 0.5 ? below + 1 : below;
}

std::uint32_t compose_color(std::int32_t red, std::int32_t green, std::int32_t blue) {
  return clamp_component(red) << 16 | clamp_component(green) << 8 | clamp_component(blue);
}

}  // namespace zrt
