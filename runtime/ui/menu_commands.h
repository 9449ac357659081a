// What happens around the menus while the application runs: the update
// cycle, in which items, the focused control, the menu-bar window and the
// application enable what they can serve, and the delivery of a chosen
// item to the first of the window's menu handler, the application's menu
// handler and the item's own Action that takes it.
#pragma once

#include "runtime/interface/abi_types.h"

#include <cstdint>

namespace zrt {

// What a QuitMenuItem does when no handler takes it: the application's
// quit sequence, which needs the windows of the platform.
using QuitItemAction = void (*)(ZObject* item);

// The objects a menu command or update is offered to; any may be nil.
struct MenuTargets {
  ZObject* focus_control = nullptr;  // the control whose pane has the keyboard focus
  ZObject* window = nullptr;         // the menu-bar window, when the application made it
  ZObject* application = nullptr;
  QuitItemAction quit_item = nullptr;
};

// Does nothing when the application has no menu bar.
void run_menu_update(const MenuTargets& targets);

// False when no item has the command or nothing took it.
bool run_menu_command(std::int32_t command, const MenuTargets& targets);

}  // namespace zrt
