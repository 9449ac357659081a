// The reader of menu definitions.
#include "runtime/ui/menu_definition.h"

#include "runtime/interface/menu_layout.h"
#include "runtime/ui/definition_stream.h"

#include <optional>
#include <string_view>

namespace zrt {
namespace {

// Submenus nest; a definition that nests deeper than any menu a person could
// use is corrupt, and stopping it keeps the reader's stack bounded.
constexpr int deepest_submenu = 32;

// Two values the writers of definitions use besides the plain "no index".
std::int32_t normalised_index(std::int32_t index) {
  constexpr auto other_no_index = static_cast<std::int32_t>(0x80000010U);
  constexpr auto another_no_index = static_cast<std::int32_t>(0x80100000U);
  return index == other_no_index || index == another_no_index ? zif::menu_item_fields::no_index : index;
}

class MenuDefinitionReader {
 public:
  explicit MenuDefinitionReader(std::span<const std::uint8_t> bytes) : m_stream(bytes) {}

  std::optional<MenuBarDefinition> read() {
    const auto count = m_stream.read_count("menu count");
    if (!count) return std::nullopt;
    MenuBarDefinition bar;
    for (std::int32_t i = 0; i < *count; ++i) {
      auto menu = read_top_menu();
      if (!menu) return std::nullopt;
      bar.menus.push_back(std::move(*menu));
    }
    return bar;
  }

  [[nodiscard]] std::string error() const {
    return m_error.empty() ? "menu " + m_stream.error() : m_error;
  }

 private:
  bool text(std::string_view what, std::string& into) {
    const auto value = m_stream.read_text(what);
    if (value) into.assign(*value);
    return value.has_value();
  }

  bool integer(std::string_view what, std::int32_t& into) {
    const auto value = m_stream.read_integer(what);
    if (value) into = *value;
    return value.has_value();
  }

  bool flag(std::string_view what, bool& into) {
    const auto value = m_stream.read_byte(what);
    if (value) into = *value != 0;
    return value.has_value();
  }

  // Parts that carry nothing here are still read past.
  bool skip_text(std::string_view what) { return m_stream.read_text(what).has_value(); }
  bool skip_byte(std::string_view what) { return m_stream.read_byte(what).has_value(); }

  std::optional<TopMenuDefinition> read_top_menu() {
    TopMenuDefinition menu;
    std::int32_t unused_index = 0;
    const bool read = integer("menu kind", menu.kind) && text("menu title", menu.title) &&
                      text("menu name", menu.name) && integer("menu index", unused_index) &&
                      skip_text("menu command key") && skip_text("menu balloon help") &&
                      skip_text("menu disabled balloon help") && skip_byte("menu flag") && skip_byte("menu flag") &&
                      integer("menu class index", menu.class_index) && read_items(menu.items, 0);
    if (!read) return std::nullopt;
    return menu;
  }

  bool read_items(std::vector<MenuItemDefinition>& items, int depth) {
    if (depth > deepest_submenu) {
      m_error = "menu definition: submenus nested deeper than " + std::to_string(deepest_submenu);
      return false;
    }
    const auto count = m_stream.read_count("menu item count");
    if (!count) return false;
    for (std::int32_t i = 0; i < *count; ++i) {
      MenuItemDefinition item;
      if (!read_item(item, depth)) return false;
      items.push_back(std::move(item));
    }
    return true;
  }

  bool read_item(MenuItemDefinition& item, int depth) {
    const bool read = integer("item kind", item.kind) && text("item text", item.text) &&
                      text("item name", item.name) && integer("item index", item.index) &&
                      text("item command key", item.command_key) && text("item balloon help", item.balloon_help) &&
                      text("item disabled balloon help", item.disabled_balloon_help) && skip_byte("item flag") &&
                      flag("item submenu flag", item.has_submenu) && integer("item class index", item.class_index);
    if (!read) return false;
    item.index = normalised_index(item.index);
    return !item.has_submenu || read_items(item.submenu, depth + 1);
  }

  DefinitionStream m_stream;
  std::string m_error;
};

}  // namespace

std::variant<MenuBarDefinition, std::string> read_menu_definition(std::span<const std::uint8_t> stream) {
  MenuDefinitionReader reader(stream);
  auto bar = reader.read();
  if (!bar) return reader.error();
  return std::move(*bar);
}

}  // namespace zrt
