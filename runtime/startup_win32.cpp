// The process entry of the runtime executable: it records the module,
// initialises the common controls and hands over to the loader, whose call of
// the image's entry runs the whole application. The allocator's lock needs
// no step here: it is a statically initialised mutex, ready before any code
// of the runtime runs.
#include "runtime/core/loader.h"
#include "runtime/core/module_instance.h"
#include "runtime/core/runtime_init.h"
#include "runtime/core/runtime_message.h"
#include "runtime/runtime_exports.h"

#include <windows.h>

#include <commctrl.h>

#include <new>

namespace {

// Memory the runtime's own containers cannot get ends the program with a
// message, as every other failure to start or go on does, instead of an
// exception that no code of the runtime or the image would catch.
void end_without_memory() {
  // Showing the message may itself need memory that is not there; that
  // second call ends the program at once.
  static bool ending = false;
  if (!ending) {
    ending = true;
    zrt::show_failure_message("The application cannot go on: there is not enough memory.");
  }
  ::ExitProcess(static_cast<UINT>(zrt::k_failed_start_exit_code));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  std::set_new_handler(&end_without_memory);
  zrt::set_module_instance(instance);
  ::InitCommonControls();
  // A failure has already been shown to the user; the exit code says the
  // program did not run.
  return zrt::run_system_loader(zrt::runtime_exports()) ? 0 : zrt::k_failed_start_exit_code;
}
