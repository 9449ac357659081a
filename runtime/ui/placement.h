// Window bounds and where placement puts a new window. Bounds are the client
// area in screen pixels as four signed 16-bit values in the order top, left,
// bottom, right, the layout window instances store.
#pragma once

#include <cstdint>

namespace zrt {

struct Bounds {
  std::int16_t top = 0;
  std::int16_t left = 0;
  std::int16_t bottom = 0;
  std::int16_t right = 0;

  [[nodiscard]] std::int32_t width() const { return right - left; }
  [[nodiscard]] std::int32_t height() const { return bottom - top; }
  bool operator==(const Bounds&) const = default;
};

static_assert(sizeof(Bounds) == 8, "window instances hold bounds as four 16-bit values");

struct ScreenSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// Moves the bounds by the placement: 0 near the top-left corner, 1 to 3
// centred horizontally with the top at a quarter of the free height, 4 at
// (10, 50) from the corner, any other value nowhere.
[[nodiscard]] Bounds place_bounds(Bounds bounds, std::int32_t placement, ScreenSize screen);

}  // namespace zrt
