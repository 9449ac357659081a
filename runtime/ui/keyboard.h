// The keyboard handling of the event loop: every key pressed in a runtime
// window is offered, before it is dispatched, to the menu shortcuts, then to
// the focused control, then
// to the window's KeyDown, then taken for the default and cancel buttons and
// for moving the focus (keyboard_win32.cpp).
#pragma once

namespace zrt {

// The event loop's message filter: true when the key was consumed. The
// message is the system's message record.
bool handle_key_message(void* message);

}  // namespace zrt
