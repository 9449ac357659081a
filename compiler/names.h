// Zoltic names are case-insensitive: "dim", "Dim" and "DIM" are one word, and
// so are "listbox1" and "ListBox1". Every phase compares names through here.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace zc {

inline char lower_char(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

inline bool equal_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower_char(a[i]) != lower_char(b[i])) return false;
  return true;
}

// The key under which a name is filed in a symbol table.
inline std::string name_key(std::string_view name) {
  std::string key(name);
  for (char& c : key) c = lower_char(c);
  return key;
}

}  // namespace zc
