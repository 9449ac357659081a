#include "runtime/ui/control_object.h"

#include "runtime/core/runtime_classes.h"

namespace zrt {

Locks ControlFields::locks() const {
  return {flag(zif::control_fields::lock_left), flag(zif::control_fields::lock_top),
          flag(zif::control_fields::lock_right), flag(zif::control_fields::lock_bottom)};
}

bool is_control(const ZObject* object) {
  return object != nullptr && class_inherits(class_of(object), &runtime_class("Control"));
}

bool is_canvas(const ZObject* object) {
  return object != nullptr && class_inherits(class_of(object), &runtime_class("Canvas"));
}

}  // namespace zrt
