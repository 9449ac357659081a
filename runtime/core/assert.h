// Checks of the runtime's own invariants. A failed check is a bug in the
// runtime, never bad input: it reports where and why, then ends the process.
#pragma once

namespace zrt {

[[noreturn]] void assertion_failed(const char* condition, const char* why, const char* file, int line);

}  // namespace zrt

#define ZASSERT(condition, why) \
  ((condition) ? static_cast<void>(0) : ::zrt::assertion_failed(#condition, why, __FILE__, __LINE__))
