// The window test.
#include "runtime/ui/window_object.h"

#include "runtime/core/runtime_classes.h"

namespace zrt {

bool is_window(const ZObject* object) {
  return object != nullptr && class_inherits(class_of(object), &runtime_class("Window"));
}

}  // namespace zrt
