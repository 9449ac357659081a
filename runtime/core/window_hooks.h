// What the layers under the windows layer ask of it. Core, graphics and files
// sit below runtime/ui and cannot call into it, so the windows layer installs
// these routines when the runtime starts (install_window_hooks in
// runtime/ui/window_hooks_win32.cpp, called by RuntimeInit). Until then each
// routine answers as if no window were open, which is also the truth then.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zrt {

// A window handle without windows.h; null means none.
using WindowHandle = void*;

struct WindowHooks {
  // Each turn of the event loop, before it takes a message: the queued drops
  // delivered, then every window's pending geometry and showing.
  void (*window_pass)();
  // The cursor's screen position, before a message is dispatched, when it
  // has moved since the last one: the mouse tracking of windows and controls.
  void (*mouse_moved)(std::int32_t x, std::int32_t y);
  // How many runtime windows are open; the event loop ends when none is
  // (outside multiple-document mode).
  std::size_t (*open_window_count)();
  // The owner of the runtime's message boxes and of the standard dialogs.
  WindowHandle (*owner_window)();
};

void set_window_hooks(const WindowHooks& hooks);
[[nodiscard]] const WindowHooks& window_hooks();

}  // namespace zrt
