// Quitting: every runtime window may refuse in its CancelClose; then the
// application's Close runs and the windows close. ApplicationQuit ends the
// process through EndException; the quit menu item lets the event loop end.
#pragma once

#include "runtime/interface/abi_types.h"

namespace zrt {

// The quit sequence, at most one at a time: false when a window refused or
// another sequence is running, true when every window was closed.
[[nodiscard]] bool run_quit_sequence();

// The command of a QuitMenuItem: its Action handler may take the command;
// otherwise an accepted quit sets the quit flag.
void choose_quit_menu_item(ZObject* item);

}  // namespace zrt
