// Support for the menus' tests: menu definitions written as the compiler
// writes them, and native menus kept as lists of entries so a test reads
// what a person would see in each menu.
#pragma once

#include "runtime/ui/native_menus.h"
#include "tests/ui/definition_builder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace menu_tests {

struct ItemEntry {
  std::int32_t kind = 0;
  std::string text = {};
  std::string name = {};
  std::string key = {};
  std::int32_t class_index = 0;
  std::vector<ItemEntry> submenu = {};
  bool has_submenu = false;
  std::int32_t index = -2147483648;
};

struct MenuEntry {
  std::int32_t kind = 0;
  std::string title = {};
  std::vector<ItemEntry> items = {};
};

inline void write_items(definition_tests::DefinitionBuilder& stream, const std::vector<ItemEntry>& items) {
  stream.integer(static_cast<std::int64_t>(items.size()));
  for (const ItemEntry& item : items) {
    stream.integer(item.kind).text(item.text).text(item.name).integer(item.index).text(item.key);
    stream.text("").text("").byte(0).byte(item.has_submenu ? 1 : 0).integer(item.class_index);
    if (item.has_submenu) write_items(stream, item.submenu);
  }
}

inline definition_tests::DefinitionBuilder menu_definition(const std::vector<MenuEntry>& menus) {
  definition_tests::DefinitionBuilder stream;
  stream.integer(static_cast<std::int64_t>(menus.size()));
  for (const MenuEntry& menu : menus) {
    stream.integer(menu.kind).text(menu.title).text("").integer(-2147483648).text("").text("").text("");
    stream.byte(0).byte(0).integer(0);
    write_items(stream, menu.items);
  }
  return stream;
}

// What a native menu shows at each position.
struct ShownEntry {
  std::string text = {};
  std::int32_t command = 0;
  zrt::MenuHandle drop_down = 0;
  bool separator = false;
  bool enabled = true;
  bool checked = false;
};

class ListedMenus final : public zrt::NativeMenus {
 public:
  ListedMenus() : m_previous(zrt::set_native_menus(this)) {}
  ~ListedMenus() override { zrt::set_native_menus(m_previous); }
  ListedMenus(const ListedMenus&) = delete;
  ListedMenus& operator=(const ListedMenus&) = delete;

  zrt::MenuHandle create_bar() override { return new_menu(); }
  zrt::MenuHandle create_drop_down() override { return new_menu(); }
  void append_drop_down(zrt::MenuHandle menu, zrt::MenuHandle drop_down, std::string_view text) override {
    m_menus[menu].push_back({.text = std::string(text), .drop_down = drop_down});
  }
  void append_item(zrt::MenuHandle menu, std::int32_t command, std::string_view text) override {
    m_menus[menu].push_back({.text = std::string(text), .command = command});
  }
  void append_separator(zrt::MenuHandle menu) override { m_menus[menu].push_back({.separator = true}); }
  void insert_item(zrt::MenuHandle menu, std::int32_t position, std::int32_t command, std::string_view text) override {
    auto& entries = m_menus[menu];
    ASSERT_LE(static_cast<std::size_t>(position), entries.size());
    entries.insert(entries.begin() + position,
                   {.text = std::string(text), .command = command, .separator = text == "-"});
  }
  void delete_item(zrt::MenuHandle menu, std::int32_t position) override {
    auto& entries = m_menus[menu];
    ASSERT_LT(static_cast<std::size_t>(position), entries.size());
    entries.erase(entries.begin() + position);
  }
  void set_item_text(zrt::MenuHandle menu, std::int32_t position, std::string_view text) override {
    entry(menu, position).text = text;
  }
  void enable_item(zrt::MenuHandle menu, std::int32_t position, bool enabled) override {
    entry(menu, position).enabled = enabled;
    ++m_state_changes;
  }
  void check_item(zrt::MenuHandle menu, std::int32_t position, bool checked) override {
    entry(menu, position).checked = checked;
    ++m_state_changes;
  }
  void destroy_bar(zrt::MenuHandle) override { m_menus.clear(); }

  [[nodiscard]] const std::vector<ShownEntry>& shown(zrt::MenuHandle menu) { return m_menus[menu]; }
  // The texts of a menu, separators as "-".
  [[nodiscard]] std::vector<std::string> texts(zrt::MenuHandle menu) {
    std::vector<std::string> result;
    for (const ShownEntry& shown_entry : m_menus[menu]) result.push_back(shown_entry.separator ? "-" : shown_entry.text);
    return result;
  }
  [[nodiscard]] int state_changes() const { return m_state_changes; }

 private:
  zrt::MenuHandle new_menu() {
    m_menus[++m_last_handle];
    return m_last_handle;
  }
  ShownEntry& entry(zrt::MenuHandle menu, std::int32_t position) {
    auto& entries = m_menus[menu];
    if (static_cast<std::size_t>(position) >= entries.size()) {
      ADD_FAILURE() << "no entry at position " << position;
      return m_nowhere;
    }
    return entries[static_cast<std::size_t>(position)];
  }

  zrt::NativeMenus* m_previous;
  std::map<zrt::MenuHandle, std::vector<ShownEntry>> m_menus;
  zrt::MenuHandle m_last_handle = 0;
  ShownEntry m_nowhere;
  int m_state_changes = 0;
};

}  // namespace menu_tests
