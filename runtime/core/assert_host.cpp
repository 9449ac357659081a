// Reporting a failed invariant where there is no Windows: to standard error,
// then the process ends with the same exit code as on Windows.
#include "runtime/core/assert.h"

#include <cstdio>
#include <cstdlib>

namespace zrt {

void assertion_failed(const char* condition, const char* why, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: assertion failed: %s (%s)\n", file, line, condition, why);
  std::fflush(stderr);
  std::_Exit(3);
}

}  // namespace zrt
