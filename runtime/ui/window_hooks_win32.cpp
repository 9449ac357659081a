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

}  // namespace

void install_window_hooks() {
  set_window_hooks({
      .window_pass = &deliver_drops_then_pass_windows,
      .mouse_moved = &report_mouse_position,
      .open_window_count = &open_window_count,
      .owner_window = &current_owner_window,
  });
}

}  // namespace zrt
