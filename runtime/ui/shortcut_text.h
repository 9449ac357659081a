// The texts that match menu shortcuts to key presses: the label an item's
// CommandKey gives ("Shift-Q" is "Ctrl+Shft+Q") and the same kind of text
// for a key pressed with its modifiers, so a shortcut is a text comparison.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zrt {

// Empty for an empty CommandKey.
[[nodiscard]] std::string shortcut_text(std::string_view command_key);

struct KeyPress {
  std::uint32_t virtual_key;
  bool control;
  bool shift;
  bool alt;
};

[[nodiscard]] std::string key_text(const KeyPress& key);

}  // namespace zrt
