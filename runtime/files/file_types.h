// The application's file-type table put to use: the type a path's ending
// names, and the filter list and default extension of the open and save
// dialogs for a list of type names. The table is the settings stream's, kept
// in the application state in stored order.
#pragma once

#include "runtime/core/settings_stream.h"

#include <span>
#include <string>
#include <string_view>

namespace zrt {

// The type code of the any-file test: "????" for an empty MacType, else its
// first four bytes padded with spaces.
[[nodiscard]] std::string type_code(std::string_view mac_type);

// The name of the first entry that scores highest for the path's ending (an
// entry without extensions matches anything weakly, one of its extensions
// ending the path strongly), "" when none matches.
[[nodiscard]] std::string file_type_of_path(std::string_view path, std::span<const FileType> table);

struct DialogFilter {
  // Pairs of description and patterns, each ended by a NUL, then two more
  // NULs: the layout the common dialogs read.
  std::string filter;
  // Of the last item whose first extension begins with a dot; "" when none.
  std::string default_extension;
};

// `type_names` is one or more names separated by ";". Each item becomes a
// description as written, with the patterns of every table entry of that
// name (letter case ignored) merged in table order.
[[nodiscard]] DialogFilter build_dialog_filter(std::string_view type_names, std::span<const FileType> table);

}  // namespace zrt
