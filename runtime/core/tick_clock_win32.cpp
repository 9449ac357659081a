// The tick count of Windows.
#include "runtime/core/tick_clock.h"

#include <windows.h>

namespace zrt {

std::uint32_t millisecond_tick() {
  return ::GetTickCount();
}

}  // namespace zrt
