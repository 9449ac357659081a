// Reporting a failed invariant: to the debugger's output and standard error,
// then the process ends with a distinctive exit code.
#include "runtime/core/assert.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace zrt {

void assertion_failed(const char* condition, const char* why, const char* file, int line) {
  char text[512];
  std::snprintf(text, sizeof text, "%s:%d: assertion failed: %s (%s)\n", file, line, condition, why);
  ::OutputDebugStringA(text);
  std::fputs(text, stderr);
  std::fflush(stderr);
  ::ExitProcess(3);
}

}  // namespace zrt
