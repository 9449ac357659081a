// The pointer as the event loop sees it: a window that tracks the mouse
// after MouseDown gets MouseDrag; otherwise the window under the pointer
// gets MouseEnter when the pointer arrives, MouseMove on each move, and the
// window it left gets MouseExit.
#include "runtime/ui/mouse_tracking.h"

#include "runtime/core/events.h"
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

void raise_at(NativeWindow& native, std::string_view event, POINT screen) {
  POINT client = screen;
  ::ScreenToClient(static_cast<HWND>(native.handle), &client);
  raise_event(native.window.get(), event, {static_cast<Word>(client.x), static_cast<Word>(client.y)});
}

HWND runtime_window_under(POINT screen) {
  HWND under = ::WindowFromPoint(screen);
  while (under != nullptr && native_of_handle(under) == nullptr) under = ::GetParent(under);
  return under;
}

}  // namespace

void report_mouse_position(std::int32_t x, std::int32_t y) {
  const POINT screen{x, y};
  if (NativeWindow* tracker = tracking_window()) {
    raise_at(*tracker, "MouseDrag", screen);
    return;
  }
  HWND under = runtime_window_under(screen);
  if (under != g_inside) {
    if (NativeWindow* left = native_of_handle(g_inside)) raise_event(left->window.get(), "MouseExit");
    g_inside = under;
    if (NativeWindow* entered = native_of_handle(under)) raise_event(entered->window.get(), "MouseEnter");
  }
  // FIXME: the controls under the pointer get their MouseEnter, MouseMove
  // and MouseExit first once the control framework exists.
  if (NativeWindow* over = native_of_handle(g_inside)) raise_at(*over, "MouseMove", screen);
}

}  // namespace zrt
