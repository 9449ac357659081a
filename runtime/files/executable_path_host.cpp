// The running program's path where there is no Windows, written as Wine shows
// it (drive Z: is the root of the file system), so folder items resolve names
// against it as they do on Windows.
#include "runtime/files/executable_path.h"

#include <filesystem>

namespace zrt {

std::string executable_path() {
  std::error_code failed;
  std::string path = std::filesystem::read_symlink("/proc/self/exe", failed).string();
  for (char& c : path)
    if (c == '/') c = '\\';
  return failed ? std::string() : "Z:" + path;
}

}  // namespace zrt
