// The application's menu bar: its drop-down menus and their items, built once
// from the menu definition, the shortcut list, the command identifiers, the
// lookups by name and by command, menu arrays, removing items and applying
// the items' states to the native menus.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/core/strings.h"
#include "runtime/ui/native_menus.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zrt {

// A drop-down menu or submenu: its native menu and its items in order, each
// held by the menu. A submenu knows the item that opens it.
struct Menu {
  MenuHandle handle = 0;
  std::vector<ObjectRef> items;
  ZObject* opened_by = nullptr;
};

// Builds the bar from a menu definition stream; the error when the
// definition cannot be read or names a class that is no menu item, in which
// case nothing is built.
[[nodiscard]] std::string build_menu_bar(std::span<const std::uint8_t> stream);
// Releases every item and the native bar (the end of the run, and tests).
void destroy_menu_bar();

[[nodiscard]] bool has_menu_bar();
[[nodiscard]] MenuHandle menu_bar_handle();

// The first item over all menus in order whose Name equals name (letter case
// ignored) and whose Index is index; nil for none. The menu holds it.
[[nodiscard]] ZObject* find_menu_item(std::string_view name, std::int32_t index);
[[nodiscard]] ZObject* menu_item_with_command(std::int32_t command);
// The command whose shortcut text equals the key text (letter case
// ignored); 0 for none.
[[nodiscard]] std::int32_t shortcut_command(std::string_view key_text);

// A new member of the menu array name, right after its last item; nil when
// no item has that name. It appears at the next apply.
[[nodiscard]] ObjectRef clone_menu_item(std::string_view name);
// Takes the item out of its menu at once, with any submenu it opens.
void close_menu_item(ZObject* item);
// Stores the Text and shows it as the whole native item text.
void set_menu_item_text(ZObject* item, ZString* text);

// Every item of every menu, held, for a cycle whose handlers may close some.
[[nodiscard]] std::vector<ObjectRef> all_menu_items();
// Shows, hides, enables and checks the native items as the items say.
void apply_menus();

}  // namespace zrt
