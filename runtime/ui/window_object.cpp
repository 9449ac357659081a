// Releasing what window fields hold, and the window test.
#include "runtime/ui/window_object.h"

#include "runtime/core/runtime_classes.h"

namespace zrt {

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
