// The menus in the running application.
#include "runtime/ui/menu_events_win32.h"

#include "runtime/core/application.h"
#include "runtime/core/checked_memory.h"
#include "runtime/core/image_bases.h"
#include "runtime/ui/application_quit.h"
#include "runtime/ui/menu_bar.h"
#include "runtime/ui/menu_commands.h"
#include "runtime/ui/native_window.h"
#include "runtime/ui/shortcut_text.h"
#include "runtime/ui/system_pane_win32.h"
#include "runtime/ui/window_list.h"

#include <vector>

namespace zrt {
namespace {

NativeWindow* menu_bar_window() {
  for (NativeWindow* native = newest_window(); native != nullptr; native = native->next)
    if (native->holds_menu_bar) return native;
  return nullptr;
}

ZObject* focused_control() {
  SystemPane* pane = focused_system_pane();
  return pane == nullptr ? nullptr : pane->control();
}

// Menu handlers belong to the windows the application made.
MenuTargets current_targets() {
  NativeWindow* holder = menu_bar_window();
  const bool made_by_application = holder != nullptr && holder->named_flag(runtime_view_flag) != 0;
  return {.focus_control = focused_control(),
          .window = made_by_application ? holder->window.get() : nullptr,
          .application = application_state().application.get(),
          .quit_item = &choose_quit_menu_item};
}

bool key_is_down(int virtual_key) { return (::GetKeyState(virtual_key) & 0x8000) != 0; }

}  // namespace

std::string install_menu_bar_from_image(const MenuBarStream& stream) {
  const auto bytes = image_data().copy_bytes(stream.stream, stream.length);
  if (!bytes) return "menu definition: the stream runs past the image data";
  return build_menu_bar(*bytes);
}

HMENU menu_bar_for_new_window(WindowKind kind) {
  if (!has_menu_bar() || !is_document_kind(kind) || application_state().multiple_document) return nullptr;
  return menu_bar_window() == nullptr ? reinterpret_cast<HMENU>(menu_bar_handle()) : nullptr;
}

void on_menu_opening() { run_menu_update(current_targets()); }

bool choose_menu_command(std::int32_t command) { return run_menu_command(command, current_targets()); }

bool run_menu_shortcut(WPARAM virtual_key) {
  const KeyPress key{.virtual_key = static_cast<std::uint32_t>(virtual_key),
                     .control = key_is_down(VK_CONTROL),
                     .shift = key_is_down(VK_SHIFT),
                     .alt = key_is_down(VK_MENU)};
  const std::int32_t command = shortcut_command(key_text(key));
  if (command == 0) return false;
  static_cast<void>(choose_menu_command(command));
  return true;
}

}  // namespace zrt
