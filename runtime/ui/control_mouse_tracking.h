// The pointer over a window's controls. On each move over the window the
// controls it left get MouseExit, then those it is over get MouseEnter the
// first time and MouseMove each time (a canvas with the point relative to
// itself, the others in window client coordinates); when it leaves the
// window, every control it was over gets MouseExit. A control's pane must
// be shown for the pointer to be over it.
#pragma once

#include "runtime/interface/abi_types.h"

#include <cstdint>

namespace zrt {

// The pointer is at (x, y) in the window's client coordinates.
void track_pointer_over_controls(ZObject* window, std::int32_t x, std::int32_t y);
void pointer_left_controls(ZObject* window);

// The MouseCursor of the last control in the window's order that the point
// (client coordinates) is over and that has one; null when none has.
[[nodiscard]] ZObject* cursor_of_control_at(ZObject* window, std::int32_t x, std::int32_t y);

}  // namespace zrt
