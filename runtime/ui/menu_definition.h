// Reading a menu bar's definition stream into plain records: the top-level
// menus with their kinds and titles, and every item with its texts, index,
// class and submenu. The whole stream is read before any menu is made, so a
// truncated or corrupt definition gives an error and builds nothing.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace zrt {

// Top-level menus of this kind become drop-down menus; the others only
// carry items that are read and dropped.
inline constexpr std::int32_t drop_down_menu_kind = 0;
// Items of this kind are placeholders that make nothing.
inline constexpr std::int32_t placeholder_item_kind = 2;

struct MenuItemDefinition {
  std::int32_t kind = 0;
  std::string text;
  std::string name;
  std::int32_t index = 0;
  std::string command_key;
  std::string balloon_help;
  std::string disabled_balloon_help;
  std::int32_t class_index = 0;
  bool has_submenu = false;
  std::vector<MenuItemDefinition> submenu;
};

struct TopMenuDefinition {
  std::int32_t kind = 0;
  std::string title;
  std::string name;
  std::int32_t class_index = 0;
  std::vector<MenuItemDefinition> items;
};

struct MenuBarDefinition {
  std::vector<TopMenuDefinition> menus;
};

// The definition, or the message that says what could not be read.
[[nodiscard]] std::variant<MenuBarDefinition, std::string> read_menu_definition(std::span<const std::uint8_t> stream);

}  // namespace zrt
