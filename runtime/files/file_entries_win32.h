// What the system's find functions know of one path.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace zrt {

// The entry found for the path, if any; the search is closed at once.
inline std::optional<WIN32_FIND_DATAA> find_entry(const std::string& path) {
  WIN32_FIND_DATAA found{};
  const HANDLE search = ::FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  ::FindClose(search);
  return found;
}

}  // namespace zrt
