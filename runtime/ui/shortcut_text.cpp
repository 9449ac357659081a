// Shortcut labels and key texts.
#include "runtime/ui/shortcut_text.h"

#include "runtime/core/name_equality.h"

#include <array>

namespace zrt {
namespace {

struct Modifiers {
  bool control = false;
  bool shift = false;
  bool alt = false;
};

void note_modifier_word(std::string_view field, Modifiers& modifiers) {
  if (names_equal(field, "Shift")) modifiers.shift = true;
  if (names_equal(field, "Control")) modifiers.control = true;
  if (names_equal(field, "Alt")) modifiers.alt = true;
  // "Option" names a modifier this platform does not have.
}

std::string labelled(const Modifiers& modifiers, std::string_view key) {
  std::string text;
  if (modifiers.control) text += "Ctrl+";
  if (modifiers.shift) text += "Shft+";
  if (modifiers.alt) text += "Alt+";
  return text.append(key);
}

constexpr std::uint32_t first_function_key = 0x70;  // F1
constexpr std::uint32_t function_key_count = 24;

// The names of virtual keys 32 to 47.
constexpr std::array<std::string_view, 16> navigation_key_names = {
    "Space", "PgUp", "PgDn", "End", "Home", "Left", "Up", "Right",
    "Down", "Select", "Print", "Execute", "Snapshot", "Ins", "Del", "Help"};

std::string key_name(std::uint32_t virtual_key) {
  if (virtual_key >= first_function_key && virtual_key < first_function_key + function_key_count)
    return "F" + std::to_string(virtual_key - first_function_key + 1);
  switch (virtual_key) {
    case 8: return "Bsp";
    case 9: return "Tab";
    case 12: return "Clr";
    case 13: return "Enter";
    case 27: return "Esc";
    default: break;
  }
  if (virtual_key >= 32 && virtual_key <= 47) return std::string(navigation_key_names[virtual_key - 32]);
  return std::string(1, static_cast<char>(virtual_key & 0xFF));
}

}  // namespace

std::string shortcut_text(std::string_view command_key) {
  if (command_key.empty()) return {};
  Modifiers modifiers;
  std::string_view rest = command_key;
  for (std::size_t dash = rest.find('-'); dash != std::string_view::npos; dash = rest.find('-')) {
    note_modifier_word(rest.substr(0, dash), modifiers);
    rest.remove_prefix(dash + 1);
  }
  const std::string_view key = rest.empty() ? std::string_view("-") : rest;
  note_modifier_word(key, modifiers);
  if (key.size() == 1) modifiers.control = true;
  return labelled(modifiers, key);
}

std::string key_text(const KeyPress& key) {
  return labelled(Modifiers{.control = key.control, .shift = key.shift, .alt = key.alt}, key_name(key.virtual_key));
}

}  // namespace zrt
