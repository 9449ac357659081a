// Windows paths taken apart and put together as folder items do it: no
// normalisation, no case change and no look at the file system. A path is
// split into its root ("C:\", "\\server\"), its directory ("data\") and its
// name ("run1.out").
#pragma once

#include <string>
#include <string_view>

namespace zrt {

struct PathParts {
  std::string_view root;
  std::string_view directory;  // ends in a backslash when not empty
  std::string_view name;
};

[[nodiscard]] PathParts split_path(std::string_view path);

// Root and directory without its last backslash ("C:\data\run1.out" gives
// "C:\data"), or, without a directory, the root without its last character
// ("C:\run1.out" gives "C:").
[[nodiscard]] std::string parent_path(std::string_view path);

// Append mode puts a relative path below the base (a child); rename mode puts
// it beside the base's name (a new name in the same folder). Either way an
// absolute path is taken as it is and one beginning with a backslash goes
// below the base's root.
enum class JoinMode { Append, Rename };
[[nodiscard]] std::string join_path(std::string_view base, std::string_view path, JoinMode mode);

// The runtime's comparison of texts ignoring letter case, as paths and
// file-type names are compared.
[[nodiscard]] bool same_text(std::string_view first, std::string_view second);

}  // namespace zrt
