// The process entry of the runtime executable: it records the module,
// initialises the common controls and hands over to the loader, whose call of
// the image's entry runs the whole application. The allocator's lock needs
// no step here: it is a statically initialised mutex, ready before any code
// of the runtime runs.
#include "runtime/core/loader.h"
#include "runtime/core/module_instance.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  zrt::set_module_instance(instance);
  ::InitCommonControls();
  // A failure has already been shown to the user; the process ends normally
  // either way.
  static_cast<void>(zrt::run_system_loader());
  return 0;
}
