// The runtime's allocator: the C library's heap behind one lock, with a count
// of the bytes that are live.
#include "runtime/core/memory.h"

#include "runtime/core/assert.h"

#include <cstdlib>
#include <mutex>

namespace zrt {
namespace {

std::mutex g_lock;
std::size_t g_live_bytes = 0;

}  // namespace

void* allocate(std::size_t size) {
  ZASSERT(size > 0, "allocating an empty block");
  std::lock_guard guard(g_lock);
  void* block = std::malloc(size);
  ZASSERT(block != nullptr, "out of memory");
  g_live_bytes += size;
  return block;
}

void release(void* block, std::size_t size) {
  ZASSERT(block != nullptr, "releasing a null block");
  std::lock_guard guard(g_lock);
  ZASSERT(g_live_bytes >= size, "releasing more than was allocated");
  g_live_bytes -= size;
  std::free(block);
}

std::size_t live_bytes() {
  std::lock_guard guard(g_lock);
  return g_live_bytes;
}

}  // namespace zrt
