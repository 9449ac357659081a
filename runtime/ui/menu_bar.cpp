// The menu bar and its items.
#include "runtime/ui/menu_bar.h"

#include "runtime/core/class_table.h"
#include "runtime/core/name_equality.h"
#include "runtime/core/native_destructors.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/interface/menu_layout.h"
#include "runtime/ui/command_identifiers.h"
#include "runtime/ui/menu_definition.h"
#include "runtime/ui/menu_item_object.h"
#include "runtime/ui/shortcut_text.h"

#include <algorithm>
#include <memory>
#include <set>
#include <variant>

namespace zrt {
namespace {

namespace fields = zif::menu_item_fields;

struct MenuShortcut {
  std::int32_t command;
  std::string text;
};

struct MenuBarState {
  bool present = false;
  MenuHandle handle = 0;
  std::vector<std::unique_ptr<Menu>> menus;  // in creation order, each submenu after the menu it is in
  std::vector<MenuShortcut> shortcuts;      // newest first
  CommandIdentifiers commands;
};

MenuBarState& bar_state() {
  static MenuBarState state;
  return state;
}

void store_text(const InstanceFields& item, std::int32_t offset, std::string_view text) {
  ZString* made = make_string(text);
  item.store_string(offset, made);
  unlock_string(made);
}

// The fields every new item starts with: in its menu, enabled and visible,
// with a command of its own, not yet shown.
void place_item(const InstanceFields& item, Menu& menu, std::int32_t position, std::int32_t index) {
  item.set_value(fields::index, index);
  item.set_record(fields::menu, &menu);
  item.set_value(fields::position, position);
  item.set_flag(fields::enabled, true);
  item.set_flag(fields::visible, true);
  item.set_flag(fields::checked, false);
  item.set_flag(fields::in_native_menu, false);
  item.set_value(fields::command, bar_state().commands.take());
}

// An item's life in the bar ends: its command and shortcut go, and it no
// longer names a menu.
void retire_item(ZObject* item) {
  const MenuItemFields fields_of(item);
  MenuBarState& state = bar_state();
  const std::int32_t command = fields_of.command();
  std::erase_if(state.shortcuts, [&](const MenuShortcut& shortcut) { return shortcut.command == command; });
  state.commands.give_back(command);
  fields_of.set_value(fields::command, CommandIdentifiers::none);
  fields_of.set_record<Menu>(fields::menu, nullptr);
  fields_of.set_flag(fields::in_native_menu, false);
}

bool is_menu_item_class(std::int32_t class_index) {
  const ClassRecord* menu_item = find_runtime_class("MenuItem");
  return class_inherits(class_at_index(class_index), menu_item);
}

// Every item that will be made must be of a menu item class.
std::string check_item_classes(const std::vector<MenuItemDefinition>& items) {
  for (const MenuItemDefinition& item : items) {
    if (item.kind == placeholder_item_kind) continue;
    if (!is_menu_item_class(item.class_index))
      return "menu definition: the item \"" + item.text + "\" names class " + std::to_string(item.class_index) +
             ", which is no menu item class";
    if (std::string error = check_item_classes(item.submenu); !error.empty()) return error;
  }
  return {};
}

std::string check_classes(const MenuBarDefinition& definition) {
  for (const TopMenuDefinition& menu : definition.menus)
    if (menu.kind == drop_down_menu_kind)
      if (std::string error = check_item_classes(menu.items); !error.empty()) return error;
  return {};
}

class MenuBuilder {
 public:
  explicit MenuBuilder(MenuBarState& state) : m_state(state), m_native(native_menus()) {}

  void build(const MenuBarDefinition& definition) {
    m_state.present = true;
    m_state.handle = m_native.create_bar();
    for (const TopMenuDefinition& top : definition.menus) {
      if (top.kind != drop_down_menu_kind) continue;
      Menu& menu = new_menu(nullptr);
      read_items(top.items, menu);
      m_native.append_drop_down(m_state.handle, menu.handle, top.title);
    }
  }

 private:
  Menu& new_menu(ZObject* opened_by) {
    auto menu = std::make_unique<Menu>();
    menu->handle = m_native.create_drop_down();
    menu->opened_by = opened_by;
    return *m_state.menus.emplace_back(std::move(menu));
  }

  void read_items(const std::vector<MenuItemDefinition>& items, Menu& menu) {
    for (const MenuItemDefinition& item : items)
      if (item.kind != placeholder_item_kind) add_item(item, menu);
  }

  void add_item(const MenuItemDefinition& definition, Menu& menu) {
    ObjectRef item = ObjectRef::adopt(new_instance(*class_at_index(definition.class_index)));
    const MenuItemFields fields_of(item.get());
    store_text(fields_of, fields::name, definition.name);
    store_text(fields_of, fields::text, definition.text);
    store_text(fields_of, fields::command_key, definition.command_key);
    store_text(fields_of, fields::balloon_help, definition.balloon_help);
    store_text(fields_of, fields::disabled_balloon_help, definition.disabled_balloon_help);
    place_item(fields_of, menu, static_cast<std::int32_t>(menu.items.size()), definition.index);
    show_item(definition, fields_of, menu);
    menu.items.push_back(std::move(item));
  }

  void show_item(const MenuItemDefinition& definition, const MenuItemFields& item, Menu& menu) {
    item.set_flag(fields::in_native_menu, true);
    item.set_flag(fields::enabled_shown, true);
    item.set_flag(fields::checked_shown, false);
    if (definition.text == "-") return m_native.append_separator(menu.handle);
    const std::string shortcut = shortcut_text(definition.command_key);
    const std::string label = shortcut.empty() ? definition.text : definition.text + "\t" + shortcut;
    if (definition.has_submenu) {
      Menu& submenu = new_menu(item.object());
      read_items(definition.submenu, submenu);
      return m_native.append_drop_down(menu.handle, submenu.handle, label);
    }
    if (!shortcut.empty()) m_state.shortcuts.insert(m_state.shortcuts.begin(), {item.command(), shortcut});
    m_native.append_item(menu.handle, item.command(), label);
  }

  MenuBarState& m_state;
  NativeMenus& m_native;
};

template <typename Visit>
void for_each_item(Visit&& visit) {
  for (const std::unique_ptr<Menu>& menu : bar_state().menus)
    for (const ObjectRef& item : menu->items)
      if (visit(*menu, item.get())) return;
}

void apply_item(const Menu& menu, const MenuItemFields& item, std::int32_t position) {
  NativeMenus& native = native_menus();
  if (!item.in_native_menu()) {
    native.insert_item(menu.handle, position, item.command(), item.text());
    item.set_flag(fields::in_native_menu, true);
    item.set_flag(fields::enabled_shown, true);
    item.set_flag(fields::checked_shown, false);
  }
  const bool enabled = item.flag(fields::enabled);
  if (enabled != item.flag(fields::enabled_shown)) native.enable_item(menu.handle, position, enabled);
  item.set_flag(fields::enabled_shown, enabled);
  const bool checked = item.flag(fields::checked);
  if (checked != item.flag(fields::checked_shown)) native.check_item(menu.handle, position, checked);
  item.set_flag(fields::checked_shown, checked);
}

// Positions count the shown items only, so each native change is made at
// the position the item has at that moment.
void apply_menu(const Menu& menu) {
  std::int32_t position = 0;
  for (const ObjectRef& held : menu.items) {
    const MenuItemFields item(held.get());
    item.set_value(fields::position, position);
    if (item.flag(fields::visible)) {
      apply_item(menu, item, position++);
    } else if (item.in_native_menu()) {
      native_menus().delete_item(menu.handle, position);
      item.set_flag(fields::in_native_menu, false);
    }
  }
}

// A submenu whose item goes goes with it, with its own submenus.
void remove_submenus_of(ZObject* item) {
  auto& menus = bar_state().menus;
  for (std::size_t i = 0; i < menus.size();) {
    if (menus[i]->opened_by != item) {
      ++i;
      continue;
    }
    std::unique_ptr<Menu> submenu = std::move(menus[i]);
    menus.erase(menus.begin() + static_cast<std::ptrdiff_t>(i));
    for (const ObjectRef& held : submenu->items) {
      remove_submenus_of(held.get());
      retire_item(held.get());
    }
  }
}

std::int32_t lowest_free_index(std::string_view name) {
  std::set<std::int32_t> taken;
  for_each_item([&](Menu&, ZObject* item) {
    const MenuItemFields fields_of(item);
    if (names_equal(fields_of.name(), name)) taken.insert(fields_of.index());
    return false;
  });
  std::int32_t index = 0;
  while (taken.contains(index)) ++index;
  return index;
}

}  // namespace

std::string build_menu_bar(std::span<const std::uint8_t> stream) {
  MenuBarState& state = bar_state();
  if (state.present) return "menu definition: the application already has a menu bar";
  auto read = read_menu_definition(stream);
  if (const std::string* error = std::get_if<std::string>(&read)) return *error;
  const MenuBarDefinition& definition = std::get<MenuBarDefinition>(read);
  if (std::string error = check_classes(definition); !error.empty()) return error;
  set_native_destructor("MenuItem", &release_menu_item_fields);
  MenuBuilder(state).build(definition);
  return {};
}

void destroy_menu_bar() {
  MenuBarState& state = bar_state();
  if (!state.present) return;
  for (const std::unique_ptr<Menu>& menu : state.menus)
    for (const ObjectRef& item : menu->items) retire_item(item.get());
  native_menus().destroy_bar(state.handle);
  state = MenuBarState{};
}

bool has_menu_bar() { return bar_state().present; }

MenuHandle menu_bar_handle() { return bar_state().handle; }

ZObject* find_menu_item(std::string_view name, std::int32_t index) {
  ZObject* found = nullptr;
  for_each_item([&](Menu&, ZObject* item) {
    const MenuItemFields fields_of(item);
    if (fields_of.index() == index && names_equal(fields_of.name(), name)) found = item;
    return found != nullptr;
  });
  return found;
}

ZObject* menu_item_with_command(std::int32_t command) {
  if (command == CommandIdentifiers::none) return nullptr;
  ZObject* found = nullptr;
  for_each_item([&](Menu&, ZObject* item) {
    if (MenuItemFields(item).command() == command) found = item;
    return found != nullptr;
  });
  return found;
}

std::int32_t shortcut_command(std::string_view key_text) {
  for (const MenuShortcut& shortcut : bar_state().shortcuts)
    if (names_equal(shortcut.text, key_text)) return shortcut.command;
  return CommandIdentifiers::none;
}

ObjectRef clone_menu_item(std::string_view name) {
  Menu* menu = nullptr;
  ZObject* last = nullptr;
  for_each_item([&](Menu& holder, ZObject* item) {
    if (names_equal(MenuItemFields(item).name(), name)) {
      menu = &holder;
      last = item;
    }
    return false;
  });
  if (last == nullptr) return {};
  const MenuItemFields original(last);
  ObjectRef clone = ObjectRef::adopt(new_instance(*class_of(last)));
  const MenuItemFields fields_of(clone.get());
  for (std::int32_t offset : {fields::name, fields::text, fields::balloon_help})
    fields_of.store_string(offset, original.string(offset));
  place_item(fields_of, *menu, original.position() + 1, lowest_free_index(name));
  auto after = std::find_if(menu->items.begin(), menu->items.end(),
                            [&](const ObjectRef& held) { return held.get() == last; });
  menu->items.insert(after + 1, clone);
  return clone;
}

void close_menu_item(ZObject* item) {
  const MenuItemFields fields_of = menu_item_fields_of(item);
  Menu* menu = fields_of.menu();
  if (menu == nullptr) return;
  if (fields_of.in_native_menu()) native_menus().delete_item(menu->handle, fields_of.position());
  const ObjectRef keep = ObjectRef::share(item);
  remove_submenus_of(item);
  retire_item(item);
  std::erase_if(menu->items, [&](const ObjectRef& held) { return held.get() == item; });
  apply_menu(*menu);
}

void set_menu_item_text(ZObject* item, ZString* text) {
  const MenuItemFields fields_of = menu_item_fields_of(item);
  fields_of.store_string(fields::text, text);
  if (Menu* menu = fields_of.menu(); menu != nullptr && fields_of.in_native_menu())
    native_menus().set_item_text(menu->handle, fields_of.position(), string_text(text));
}

std::vector<ObjectRef> all_menu_items() {
  std::vector<ObjectRef> items;
  for_each_item([&](Menu&, ZObject* item) {
    items.push_back(ObjectRef::share(item));
    return false;
  });
  return items;
}

void apply_menus() {
  for (const std::unique_ptr<Menu>& menu : bar_state().menus) apply_menu(*menu);
}

}  // namespace zrt
