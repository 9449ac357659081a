// Splitting, parent and joining of Windows paths.
#include "runtime/files/path_parts.h"

#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"

namespace zrt {
namespace {

bool has_root(std::string_view path) {
  return path.size() >= 2 && (path.starts_with("\\\\") || path[1] == ':');
}

std::string concatenated(std::initializer_list<std::string_view> parts) {
  std::string joined;
  for (std::string_view part : parts) joined.append(part);
  return joined;
}

}  // namespace

PathParts split_path(std::string_view path) {
  PathParts parts;
  std::string_view rest = path;
  if (has_root(path)) {
    const std::size_t backslash = path.find('\\', 2);
    if (backslash == std::string_view::npos) {
      parts.root = path;
      return parts;
    }
    parts.root = path.substr(0, backslash + 1);
    rest = path.substr(backslash + 1);
  }
  const std::size_t last = rest.rfind('\\');
  if (last == std::string_view::npos) {
    parts.name = rest;
  } else {
    parts.directory = rest.substr(0, last + 1);
    parts.name = rest.substr(last + 1);
  }
  return parts;
}

std::string parent_path(std::string_view path) {
  const PathParts parts = split_path(path);
  if (!parts.directory.empty()) return concatenated({parts.root, parts.directory.substr(0, parts.directory.size() - 1)});
  return std::string(parts.root.substr(0, parts.root.empty() ? 0 : parts.root.size() - 1));
}

std::string join_path(std::string_view base, std::string_view path, JoinMode mode) {
  const PathParts base_parts = split_path(base);
  const PathParts parts = split_path(path);
  if (!parts.root.empty()) return std::string(path);
  if (mode == JoinMode::Append && !parts.directory.starts_with('\\')) return concatenated({base, "\\", path});
  if (parts.directory.empty()) return concatenated({base_parts.root, base_parts.directory, parts.name});
  if (parts.directory.starts_with('\\')) return concatenated({base_parts.root, parts.directory.substr(1), parts.name});
  return concatenated({base_parts.root, base_parts.directory, parts.directory, parts.name});
}

bool same_text(std::string_view first, std::string_view second) {
  const StringRef a = StringRef::adopt(make_string(first));
  const StringRef b = StringRef::adopt(make_string(second));
  return RuntimeStringCompare(a.get(), b.get()) == 0;
}

}  // namespace zrt
