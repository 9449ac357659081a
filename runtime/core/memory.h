// The runtime's allocator. Every block is released with the size it was
// allocated with, so records need no hidden header; a small block released
// with another size would later serve a request it is too small for. One
// process-wide lock guards each call.
#pragma once

#include <cstddef>

namespace zrt {

[[nodiscard]] void* allocate(std::size_t size);
void release(void* block, std::size_t size);

// Bytes allocated and not yet released; tests read it to find leaks and
// mismatched release sizes.
[[nodiscard]] std::size_t live_bytes();

}  // namespace zrt
