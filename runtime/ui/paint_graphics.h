// The Graphics object that a window's Paint event receives, drawing into
// the device context of the paint. The graphics subsystem gives it its
// drawing state; until then it is a plain Graphics instance.
#pragma once

#include "runtime/interface/abi_types.h"

namespace zrt {

// A new Graphics object with one reference for the caller.
[[nodiscard]] ZObject* new_paint_graphics(void* device_context);

}  // namespace zrt
