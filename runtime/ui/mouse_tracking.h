// Mouse tracking: the event loop reports each new pointer position here.
#pragma once

#include <cstdint>

namespace zrt {

// The pointer is at (x, y) in screen coordinates, a position not seen before.
void report_mouse_position(std::int32_t x, std::int32_t y);

}  // namespace zrt
