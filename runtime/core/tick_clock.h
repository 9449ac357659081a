// The system's millisecond tick count, which wraps around after 2^32 ms.
#pragma once

#include <cstdint>

namespace zrt {

[[nodiscard]] std::uint32_t millisecond_tick();

}  // namespace zrt
