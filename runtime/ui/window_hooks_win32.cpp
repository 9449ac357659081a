// The windows layer's routines behind the hooks of the layers below it.
#include "runtime/ui/native_windows.h"

#include "runtime/core/window_hooks.h"
#include "runtime/ui/drop_queue.h"
#include "runtime/ui/mouse_tracking.h"
#include "runtime/ui/window_list.h"

namespace zrt {
namespace {

void deliver_drops_then_pass_windows() {
  deliver_queued_drops();
  run_window_pass();
}

// A standard dialog or message box runs a message loop of its own, which
// takes the null message a window made in the same handler posted for the
// loop's next turn; when the handler runs inside GetMessage (a click sent
// from another thread), that turn then waits for the next input. So the
// windows waiting to be shown are shown before the dialog takes its owner.
WindowHandle show_waiting_windows_then_owner() {
  run_window_pass();
  return current_owner_window();
}

}  // namespace

void install_window_hooks() {
  set_window_hooks({
      .window_pass = &deliver_drops_then_pass_windows,
      .mouse_moved = &report_mouse_position,
      .open_window_count = &open_window_count,
      .owner_window = &show_waiting_windows_then_owner,
  });
}

}  // namespace zrt
