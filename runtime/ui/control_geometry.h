// A control's rectangle: the Left, Top, Width and Height properties over its
// 16-bit bounds, layout by locks when the window is resized, and the
// enclosure test that finds a control's container.
#pragma once

#include "runtime/ui/placement.h"

#include <cstdint>

namespace zrt {

// The property selectors of ctlPosGetter and ctlPosSetter.
enum PositionSelector : std::int32_t { select_left = 0, select_top = 1, select_width = 2, select_height = 3 };

// Left, Top, Width or Height; 0 for any other selector.
[[nodiscard]] std::int32_t position_value(Bounds bounds, std::int32_t selector);

// Left and Top move the rectangle and keep its size; Width and Height move
// the right or bottom edge. Values wrap to 16 bits. Any other selector
// changes nothing.
[[nodiscard]] Bounds with_position_value(Bounds bounds, std::int32_t selector, std::int32_t value);

struct Locks {
  bool left = false;
  bool top = false;
  bool right = false;
  bool bottom = false;
};

// Where the controls' locks put it after the window's client area grew by
// width_change and height_change: a locked right or bottom edge follows the
// window's, and the opposite edge follows too unless it is locked as well.
[[nodiscard]] Bounds locked_layout(Bounds bounds, Locks locks, std::int32_t width_change,
                                   std::int32_t height_change);

// Whether inner lies inside outer, edges included.
[[nodiscard]] bool encloses(Bounds outer, Bounds inner);

}  // namespace zrt
