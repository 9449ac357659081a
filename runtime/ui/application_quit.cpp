// The quit sequence over the runtime's window list.
#include "runtime/ui/application_quit.h"

#include "runtime/core/application.h"
#include "runtime/core/events.h"
#include "runtime/ui/native_windows.h"
#include "runtime/ui/window_list.h"
#include "runtime/ui/window_object.h"

#include <vector>

namespace zrt {
namespace {

bool g_quitting = false;

// The runtime's own windows, newest first, each held while the sequence runs.
std::vector<ObjectRef> runtime_view_windows() {
  std::vector<ObjectRef> windows;
  for (NativeWindow* native = newest_window(); native != nullptr; native = native->next)
    if (native->named_flag(runtime_view_flag) != 0) windows.push_back(native->window);
  return windows;
}

bool any_window_refuses(const std::vector<ObjectRef>& windows) {
  for (const ObjectRef& window : windows)
    if (raise_boolean_event(window.get(), {"Window", "CancelClose"})) return true;
  return false;
}

void close_windows(const std::vector<ObjectRef>& windows) {
  for (const ObjectRef& window : windows)
    if (NativeWindow* native = WindowFields(window.get()).native()) close_native_window(*native);
}

}  // namespace

bool run_quit_sequence() {
  if (g_quitting) return false;
  g_quitting = true;
  const std::vector<ObjectRef> windows = runtime_view_windows();
  const bool accepted = !any_window_refuses(windows);
  if (accepted) {
    raise_event(application_state().application.get(), {"Application", "Close"});
    close_windows(windows);
  }
  g_quitting = false;
  return accepted;
}

void choose_quit_menu_item(ZObject* item) {
  if (raise_boolean_event(item, {"MenuItem", "Action"})) return;
  if (run_quit_sequence()) application_state().quit = true;
}

}  // namespace zrt
