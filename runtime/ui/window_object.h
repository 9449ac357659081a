// Typed access to the fields of a window instance (Window, Dialog, Applet
// and the application's subclasses), at the offsets the class table and
// compiled code share.
#pragma once

#include "runtime/core/instance_fields.h"
#include "runtime/interface/window_layout.h"
#include "runtime/ui/placement.h"

#include <cstdint>

namespace zrt {

struct NativeWindow;

class WindowFields : public InstanceFields {
 public:
  explicit WindowFields(ZObject* window) : InstanceFields(window) {}

  [[nodiscard]] Bounds bounds() const { return value<Bounds>(zif::window_fields::bounds); }
  void set_bounds(Bounds bounds) const { set_value(zif::window_fields::bounds, bounds); }
  [[nodiscard]] Bounds last_bounds() const { return value<Bounds>(zif::window_fields::last_bounds); }
  void set_last_bounds(Bounds bounds) const { set_value(zif::window_fields::last_bounds, bounds); }

  [[nodiscard]] NativeWindow* native() const { return record<NativeWindow>(zif::window_fields::native_window); }
  void set_native(NativeWindow* native) const { set_record(zif::window_fields::native_window, native); }
};

// Releases the references a window instance holds in its fields (title,
// backdrop, cursor, texts), as it is destroyed.
void release_window_fields(ZObject* window);

// Whether the object is a window (an instance of "Window" or a subclass).
[[nodiscard]] bool is_window(const ZObject* object);

}  // namespace zrt
