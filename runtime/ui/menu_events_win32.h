// The menus in the running application: the bar made at start-up, given to
// the first document window, the update cycle when a menu opens, and menu
// commands from the menus and from shortcuts offered to the focused control,
// the window that holds the bar, the application and the item.
#pragma once

#include "runtime/core/project_objects.h"
#include "runtime/ui/frame_table.h"

#include <windows.h>

#include <string>

namespace zrt {

// Builds the bar from the image's definition; the error when it cannot.
[[nodiscard]] std::string install_menu_bar_from_image(const MenuBarStream& stream);

// The bar for a new window of that kind: the document window that comes
// while no window holds the bar takes it; null for the others.
[[nodiscard]] HMENU menu_bar_for_new_window(WindowKind kind);

// WM_INITMENU on a runtime window.
void on_menu_opening();
// A WM_COMMAND from a menu, or a shortcut: false when nothing took it.
bool choose_menu_command(std::int32_t command);
// Runs the command of a shortcut that matches the key; false when none does.
bool run_menu_shortcut(WPARAM virtual_key);

}  // namespace zrt
