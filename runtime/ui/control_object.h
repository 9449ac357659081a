// Typed access to the fields every control instance has (Control and its
// subclasses), at the offsets the class table and compiled code share.
#pragma once

#include "runtime/core/instance_fields.h"
#include "runtime/interface/control_layout.h"
#include "runtime/ui/control_geometry.h"
#include "runtime/ui/pane.h"

#include <string_view>

namespace zrt {

class ControlFields : public InstanceFields {
 public:
  explicit ControlFields(ZObject* control) : InstanceFields(control) {}

  [[nodiscard]] Bounds bounds() const { return value<Bounds>(zif::control_fields::bounds); }
  void set_bounds(Bounds bounds) const { set_value(zif::control_fields::bounds, bounds); }
  [[nodiscard]] Pane* pane() const { return record<Pane>(zif::control_fields::pane); }
  void set_pane(Pane* pane) const { set_record(zif::control_fields::pane, pane); }
  [[nodiscard]] ZObject* window() const { return reference(zif::control_fields::window); }
  [[nodiscard]] Locks locks() const;
};

// The fields of a control that compiled code passed; nil raises
// NilObjectException, as every property of a nil object does.
[[nodiscard]] ControlFields control_fields_of(ZObject* control);

// Whether the object is a control (an instance of "Control" or a subclass);
// timers and sockets can sit in a control table without being one.
[[nodiscard]] bool is_control(const ZObject* object);

// Releases the strings and objects a control instance holds in its fields,
// its kind's included: the native destructor of every control.
void release_control_fields(ZObject* control);

// Whether the object is a canvas, which other controls take as container.
[[nodiscard]] bool is_canvas(const ZObject* object);

// Whether the object is an instance of the runtime's control class `kind`
// ("PushButton") or of a subclass.
[[nodiscard]] bool is_control_of_kind(const ZObject* object, std::string_view kind);

}  // namespace zrt
