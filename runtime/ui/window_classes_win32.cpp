// The runtime's two window classes: "ZTWindow" for top-level windows and
// "ZT_Pane" for the panes of controls. Window word 0 holds the record that
// owns the handle.
#include "runtime/ui/native_windows.h"

#include "runtime/core/module_instance.h"
#include "runtime/ui/system_pane_win32.h"
#include "runtime/ui/window_procedure_win32.h"

#include <windows.h>

namespace zrt {
namespace {

void register_class(const char* name, WNDPROC procedure) {
  WNDCLASSA window_class{};
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = procedure;
  window_class.cbWndExtra = 4;
  window_class.hInstance = static_cast<HINSTANCE>(module_instance());
  window_class.lpszClassName = name;
  // A class already registered (a second start in one process) is kept.
  static_cast<void>(::RegisterClassA(&window_class));
}

}  // namespace

void register_window_classes() {
  register_class("ZTWindow", &top_level_window_procedure);
  register_class("ZT_Pane", &pane_window_procedure);
}

}  // namespace zrt
