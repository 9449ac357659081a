// A plain Graphics instance for Paint.
#include "runtime/ui/paint_graphics.h"

#include "runtime/core/objects.h"
#include "runtime/core/runtime_classes.h"

namespace zrt {

// FIXME: hand the device context to the graphics object once the graphics
// subsystem defines its fields.
ZObject* new_paint_graphics(void*) {
  return new_instance(runtime_class("Graphics"));
}

}  // namespace zrt
