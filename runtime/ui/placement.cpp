// Placement of new windows on the screen.
#include "runtime/ui/placement.h"

namespace zrt {
namespace {

Bounds moved(Bounds bounds, std::int32_t right, std::int32_t down) {
  bounds.left = static_cast<std::int16_t>(bounds.left + right);
  bounds.right = static_cast<std::int16_t>(bounds.right + right);
  bounds.top = static_cast<std::int16_t>(bounds.top + down);
  bounds.bottom = static_cast<std::int16_t>(bounds.bottom + down);
  return bounds;
}

}  // namespace

Bounds place_bounds(Bounds bounds, std::int32_t placement, ScreenSize screen) {
  switch (placement) {
    case 0: return moved(bounds, 4, 100);
    case 1:
    case 2:
    case 3: return moved(bounds, (screen.width - bounds.right) / 2, (screen.height - bounds.bottom) / 4);
    case 4: return moved(bounds, 10, 50);
    default: return bounds;
  }
}

}  // namespace zrt
