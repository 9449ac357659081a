// The turn of the event loop on Win32.
#include "runtime/core/event_loop.h"

#include "runtime/core/application.h"
#include "runtime/core/periodic_tasks.h"
#include "runtime/core/window_hooks.h"

#include <windows.h>

namespace zrt {
namespace {

POINT g_last_mouse{-1, -1};

// Waits for a message unless the loop must poll; false when there is none
// to dispatch. The quit message sets the quit flag.
bool take_message(MSG& message) {
  if (loop_must_poll()) {
    if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  } else if (::GetMessageA(&message, nullptr, 0, 0) <= 0) {
    application_state().quit = true;
    return false;
  }
  if (message.message != WM_QUIT) return true;
  application_state().quit = true;
  return false;
}

// The position is the one the message carries: where the mouse was when the
// message was queued. Asking the system instead costs several calls to
// Wine's server on every message, which halved the rate a socket could
// take data at.
void report_mouse_if_moved(const MSG& message) {
  const POINT position = message.pt;
  if (position.x == g_last_mouse.x && position.y == g_last_mouse.y) return;
  g_last_mouse = position;
  window_hooks().mouse_moved(position.x, position.y);
}

// FIXME: offer the message to TranslateMDISysAccel in multiple-document
// mode once the frame window has its MDI client.
bool filtered(MSG& message) {
  const MessageFilter filter = message_filter();
  return filter != nullptr && filter(&message);
}

void dispatch(MSG& message) {
  report_mouse_if_moved(message);
  if (filtered(message)) return;
  ::TranslateMessage(&message);
  ::DispatchMessageA(&message);
}

bool no_window_left() {
  return !application_state().multiple_document && window_hooks().open_window_count() == 0;
}

}  // namespace

void run_event_loop_turn() {
  ApplicationState& state = application_state();
  state.loop_running = true;
  window_hooks().window_pass();
  MSG message{};
  // With no window left nothing would ever send a message: waiting for one
  // would hang an application whose windows all closed before the loop ran.
  if (!no_window_left() && take_message(message)) dispatch(message);
  run_idle_work();
  if (no_window_left()) state.quit = true;
  run_periodic_tasks();
}

void run_event_loop() {
  while (!application_state().quit) run_event_loop_turn();
}

}  // namespace zrt
