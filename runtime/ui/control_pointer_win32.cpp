// MouseX and MouseY of a control: the pointer in its window's client
// coordinates, as the window's own properties give it.
#include "runtime/interface/exports.h"
#include "runtime/ui/control_object.h"

extern "C" {

std::int32_t controlMouseXGetter(ZObject* control, std::int32_t) {
  return windowMouseXGetter(zrt::control_fields_of(control).window(), 0);
}

std::int32_t controlMouseYGetter(ZObject* control, std::int32_t) {
  return windowMouseYGetter(zrt::control_fields_of(control).window(), 0);
}

}  // extern "C"
