// The pointer as the event loop sees it: a window that tracks the mouse
// after MouseDown gets MouseDrag; otherwise the window under the pointer
// gets MouseEnter when the pointer arrives, its controls their pointer
// events and then the window MouseMove on each move, and the window it left
// (its controls first) gets MouseExit.
#include "runtime/ui/mouse_tracking.h"

#include "runtime/core/events.h"
#include "runtime/core/objects.h"
#include "runtime/ui/control_mouse_tracking.h"
#include "runtime/ui/native_windows.h"
#include "runtime/ui/window_list.h"

#include <windows.h>

namespace zrt {
namespace {

HWND g_inside = nullptr;  // the runtime window the pointer was last over

NativeWindow* tracking_window() {
  for (NativeWindow* native = newest_window(); native != nullptr; native = native->next)
    if (native->tracking_mouse) return native;
  return nullptr;
}

POINT client_point(const NativeWindow& native, POINT screen) {
  POINT client = screen;
  ::ScreenToClient(static_cast<HWND>(native.handle), &client);
  return client;
}

void raise_at(NativeWindow& native, zif::EventName event, POINT screen) {
  const POINT client = client_point(native, screen);
  raise_event(native.window.get(), event, {static_cast<Word>(client.x), static_cast<Word>(client.y)});
}

HWND runtime_window_under(POINT screen) {
  HWND under = ::WindowFromPoint(screen);
  while (under != nullptr && window_of_handle(under) == nullptr) under = ::GetParent(under);
  return under;
}

}  // namespace

void report_mouse_position(std::int32_t x, std::int32_t y) {
  const POINT screen{x, y};
  if (NativeWindow* tracker = tracking_window()) {
    raise_at(*tracker, {"Window", "MouseDrag"}, screen);
    return;
  }
  HWND under = runtime_window_under(screen);
  if (under != g_inside) {
    if (NativeWindow* left = window_of_handle(g_inside)) {
      const ObjectRef window = left->window;
      pointer_left_controls(window.get());
      raise_event(window.get(), {"Window", "MouseExit"});
    }
    g_inside = under;
    if (NativeWindow* entered = window_of_handle(under)) raise_event(entered->window.get(), {"Window", "MouseEnter"});
  }
  NativeWindow* over = window_of_handle(g_inside);
  if (over == nullptr) return;
  const ObjectRef window = over->window;
  const POINT client = client_point(*over, screen);
  track_pointer_over_controls(window.get(), client.x, client.y);
  // The controls' handlers may have closed the window.
  if (NativeWindow* still_over = window_of_handle(g_inside)) raise_at(*still_over, {"Window", "MouseMove"}, screen);
}

}  // namespace zrt
