// Typed access to the fields of a window instance (Window, Dialog, Applet
// and the application's subclasses), at the offsets the class table and
// compiled code share.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/interface/window_layout.h"
#include "runtime/ui/placement.h"

#include <cstdint>
#include <cstring>

namespace zrt {

struct NativeWindow;

class WindowFields {
 public:
  explicit WindowFields(ZObject* window) : m_window(window) {}

  [[nodiscard]] ZObject* object() const { return m_window; }

  [[nodiscard]] bool flag(std::int32_t offset) const { return *field_bytes(m_window, offset, 1) != 0; }
  void set_flag(std::int32_t offset, bool value) const { *field_bytes(m_window, offset, 1) = value ? 1 : 0; }

  template <typename Value>
  [[nodiscard]] Value value(std::int32_t offset) const {
    Value result;
    std::memcpy(&result, field_bytes(m_window, offset, sizeof result), sizeof result);
    return result;
  }
  template <typename Value>
  void set_value(std::int32_t offset, Value value) const {
    std::memcpy(field_bytes(m_window, offset, sizeof value), &value, sizeof value);
  }

  [[nodiscard]] Bounds bounds() const { return value<Bounds>(zif::window_fields::bounds); }
  void set_bounds(Bounds bounds) const { set_value(zif::window_fields::bounds, bounds); }
  [[nodiscard]] Bounds last_bounds() const { return value<Bounds>(zif::window_fields::last_bounds); }
  void set_last_bounds(Bounds bounds) const { set_value(zif::window_fields::last_bounds, bounds); }

  [[nodiscard]] NativeWindow* native() const {
    return pointer_of<NativeWindow>(value<Word>(zif::window_fields::native_window));
  }
  void set_native(NativeWindow* native) const { set_value(zif::window_fields::native_window, word_of_pointer(native)); }

  [[nodiscard]] ZString* string(std::int32_t offset) const { return pointer_of<ZString>(value<Word>(offset)); }
  [[nodiscard]] ZObject* reference(std::int32_t offset) const { return pointer_of<ZObject>(value<Word>(offset)); }

  // The new reference is taken before the old one goes, so storing the value
  // already held never frees it in between.
  void store_string(std::int32_t offset, ZString* value) const;
  void store_reference(std::int32_t offset, ZObject* value) const;

 private:
  ZObject* m_window;
};

// Releases the references a window instance holds in its fields (title,
// backdrop, cursor, texts), as it is destroyed.
void release_window_fields(ZObject* window);

// Whether the object is a window (an instance of "Window" or a subclass).
[[nodiscard]] bool is_window(const ZObject* object);

}  // namespace zrt
