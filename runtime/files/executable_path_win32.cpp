// The module file name of the executable.
#include "runtime/files/executable_path.h"

#include <windows.h>

namespace zrt {

std::string executable_path() {
  char path[1024];
  const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof(path));
  return std::string(path, length < sizeof(path) ? length : 0);
}

}  // namespace zrt
