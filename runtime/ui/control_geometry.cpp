#include "runtime/ui/control_geometry.h"

namespace zrt {
namespace {

std::int16_t wrapped(std::int32_t value) { return static_cast<std::int16_t>(value); }

}  // namespace

std::int32_t position_value(Bounds bounds, std::int32_t selector) {
  switch (selector) {
    case select_left: return bounds.left;
    case select_top: return bounds.top;
    case select_width: return wrapped(bounds.width());
    case select_height: return wrapped(bounds.height());
    default: return 0;
  }
}

Bounds with_position_value(Bounds bounds, std::int32_t selector, std::int32_t value) {
  switch (selector) {
    case select_left:
      bounds.right = wrapped(bounds.right + value - bounds.left);
      bounds.left = wrapped(value);
      break;
    case select_top:
      bounds.bottom = wrapped(bounds.bottom + value - bounds.top);
      bounds.top = wrapped(value);
      break;
    case select_width: bounds.right = wrapped(bounds.left + value); break;
    case select_height: bounds.bottom = wrapped(bounds.top + value); break;
    default: break;
  }
  return bounds;
}

Bounds locked_layout(Bounds bounds, Locks locks, std::int32_t width_change, std::int32_t height_change) {
  if (locks.right) {
    bounds.right = wrapped(bounds.right + width_change);
    if (!locks.left) bounds.left = wrapped(bounds.left + width_change);
  }
  if (locks.bottom) {
    bounds.bottom = wrapped(bounds.bottom + height_change);
    if (!locks.top) bounds.top = wrapped(bounds.top + height_change);
  }
  return bounds;
}

bool encloses(Bounds outer, Bounds inner) {
  return inner.top >= outer.top && inner.left >= outer.left && inner.bottom <= outer.bottom &&
         inner.right <= outer.right;
}

}  // namespace zrt
