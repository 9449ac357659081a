// Storing references into window fields, and the window test.
#include "runtime/ui/window_object.h"

#include "runtime/core/runtime_classes.h"
#include "runtime/core/strings.h"

namespace zrt {

void WindowFields::store_string(std::int32_t offset, ZString* value) const {
  lock_string(value);
  ZString* old = string(offset);
  set_value(offset, word_of_pointer(value));
  unlock_string(old);
}

void WindowFields::store_reference(std::int32_t offset, ZObject* value) const {
  lock_object(value);
  ZObject* old = reference(offset);
  set_value(offset, word_of_pointer(value));
  unlock_object(old);
}

void release_window_fields(ZObject* window) {
  const WindowFields fields(window);
  for (std::int32_t offset : {zif::window_fields::title, zif::window_fields::balloon_help, zif::window_fields::floater_process})
    fields.store_string(offset, nullptr);
  for (std::int32_t offset : {zif::window_fields::backdrop, zif::window_fields::mouse_cursor})
    fields.store_reference(offset, nullptr);
}

bool is_window(const ZObject* object) {
  return object != nullptr && class_inherits(class_of(object), &runtime_class("Window"));
}

}  // namespace zrt
