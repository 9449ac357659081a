// Folder items: instances of "FolderItem" that hold a full path and nothing
// else. Every query asks the file system afresh through the path.
#pragma once

#include "runtime/core/objects.h"

#include <string>
#include <string_view>

namespace zrt {

// A new folder item on the path, taken as it is.
[[nodiscard]] ZObject* new_folder_item(std::string_view path);

// The item's path. An item made by `New FolderItem` has none yet: it gets the
// folder that holds the executable, kept from then on.
[[nodiscard]] std::string path_of(ZObject* item);
void set_path(ZObject* item, std::string_view path);

// The folder that holds the executable, without a trailing backslash.
[[nodiscard]] std::string application_folder();

}  // namespace zrt
