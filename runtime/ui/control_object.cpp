#include "runtime/ui/control_object.h"

#include "runtime/core/exceptions.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/ui/control_kinds.h"

#include <string_view>

namespace zrt {

void release_control_fields(ZObject* control) {
  const ControlFields fields(control);
  for_each_control_kind_of(control, [&](const ControlKind& kind) {
    for (std::int32_t offset : kind.string_fields) fields.store_string(offset, nullptr);
    for (std::int32_t offset : kind.reference_fields) fields.store_reference(offset, nullptr);
    if (kind.release != nullptr) kind.release(control);
  });
}

Locks ControlFields::locks() const {
  return {flag(zif::control_fields::lock_left), flag(zif::control_fields::lock_top),
          flag(zif::control_fields::lock_right), flag(zif::control_fields::lock_bottom)};
}

ControlFields control_fields_of(ZObject* control) {
  if (control == nullptr) raise_new_exception("NilObjectException");
  return ControlFields(control);
}

bool is_control_of_kind(const ZObject* object, std::string_view kind) {
  return object != nullptr && class_inherits(class_of(object), &runtime_class(kind));
}

bool is_control(const ZObject* object) { return is_control_of_kind(object, "Control"); }

bool is_canvas(const ZObject* object) { return is_control_of_kind(object, "Canvas"); }

}  // namespace zrt
