// File-type scoring and the dialogs' filter list.
#include "runtime/files/file_types.h"

#include "runtime/files/path_parts.h"

#include <vector>

namespace zrt {
namespace {

// The ";"-separated fields of a list, empty ones left out.
std::vector<std::string_view> fields_of(std::string_view list) {
  std::vector<std::string_view> fields;
  while (!list.empty()) {
    const std::size_t separator = list.find(';');
    const std::string_view field = list.substr(0, separator);
    if (!field.empty()) fields.push_back(field);
    if (separator == std::string_view::npos) break;
    list.remove_prefix(separator + 1);
  }
  return fields;
}

bool path_ends_with(std::string_view path, std::string_view ending) {
  return ending.size() <= path.size() && same_text(path.substr(path.size() - ending.size()), ending);
}

int score_of(const FileType& type, std::string_view path) {
  if (type.extensions.empty()) return 1;
  for (std::string_view extension : fields_of(type.extensions))
    if (path_ends_with(path, extension)) return 2;
  return 0;
}

// Adds what one table entry contributes to an item's pattern list.
void add_patterns(const FileType& type, std::string& patterns, std::string& default_extension) {
  if (type.extensions.empty()) {
    if (type_code(type.mac_type) == "????" && patterns.empty()) patterns = "*.*";
    return;
  }
  for (std::string_view extension : fields_of(type.extensions)) {
    if (!patterns.empty()) {
      patterns.append(";*").append(extension);
      continue;
    }
    if (extension.starts_with('.')) default_extension.assign(extension.substr(1));
    patterns.assign("*").append(extension);
  }
}

}  // namespace

std::string type_code(std::string_view mac_type) {
  if (mac_type.empty()) return "????";
  std::string code(mac_type.substr(0, 4));
  code.resize(4, ' ');
  return code;
}

std::string file_type_of_path(std::string_view path, std::span<const FileType> table) {
  const FileType* best = nullptr;
  int best_score = 0;
  for (const FileType& type : table) {
    const int score = score_of(type, path);
    if (score > best_score) {
      best = &type;
      best_score = score;
    }
  }
  return best == nullptr ? std::string() : best->name;
}

DialogFilter build_dialog_filter(std::string_view type_names, std::span<const FileType> table) {
  DialogFilter result;
  for (std::string_view item : fields_of(type_names)) {
    std::string patterns;
    for (const FileType& type : table)
      if (same_text(type.name, item)) add_patterns(type, patterns, result.default_extension);
    result.filter.append(item).push_back('\0');
    result.filter.append(patterns).push_back('\0');
  }
  result.filter.append(2, '\0');
  return result;
}

}  // namespace zrt
