// A millisecond tick from the host's steady clock.
#include "runtime/core/tick_clock.h"

#include <chrono>

namespace zrt {

std::uint32_t millisecond_tick() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

}  // namespace zrt
