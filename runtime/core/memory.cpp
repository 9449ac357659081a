// The runtime's allocator: the C library's heap behind one lock, with a count
// of the bytes that are live. Small blocks (instances, strings) come and go
// in pairs, so a released small block is kept on the free list of its size
// class and handed out again without a trip through the heap, which costs
// several times as much under its own lock.
//
// The lock is a spin lock: it is held for a few instructions, by the
// program's one thread nearly always, and taking a free one is a single
// atomic exchange, where a system mutex costs several times that on every
// string a program makes.
#include "runtime/core/memory.h"

#include "runtime/core/assert.h"

#include <array>
#include <atomic>
#include <cstdlib>
#include <thread>

namespace zrt {
namespace {

// Every block of a class is allocated with the class's full size, so any of
// them serves any request of that class. The lists only grow to the largest
// number of small blocks the run held at once.
constexpr std::size_t k_class_step = 8;
constexpr std::size_t k_largest_kept = 256;

struct FreeBlock {
  FreeBlock* next;
};

class SpinLock {
 public:
  void lock() {
    while (m_held.test_and_set(std::memory_order_acquire)) std::this_thread::yield();
  }
  void unlock() { m_held.clear(std::memory_order_release); }

 private:
  std::atomic_flag m_held;
};

SpinLock g_lock;
std::size_t g_live_bytes = 0;
std::array<FreeBlock*, k_largest_kept / k_class_step + 1> g_free_lists{};

std::size_t size_class(std::size_t size) { return (size + k_class_step - 1) / k_class_step; }

void* heap_block(std::size_t size) {
  void* block = std::malloc(size);
  ZASSERT(block != nullptr, "out of memory");
  return block;
}

}  // namespace

void* allocate(std::size_t size) {
  ZASSERT(size > 0, "allocating an empty block");
  std::lock_guard guard(g_lock);
  g_live_bytes += size;
  if (size > k_largest_kept) return heap_block(size);
  FreeBlock*& list = g_free_lists[size_class(size)];
  if (list == nullptr) return heap_block(size_class(size) * k_class_step);
  FreeBlock* block = list;
  list = block->next;
  return block;
}

void release(void* block, std::size_t size) {
  ZASSERT(block != nullptr, "releasing a null block");
  std::lock_guard guard(g_lock);
  ZASSERT(g_live_bytes >= size, "releasing more than was allocated");
  g_live_bytes -= size;
  if (size > k_largest_kept) {
    std::free(block);
    return;
  }
  auto* kept = static_cast<FreeBlock*>(block);
  FreeBlock*& list = g_free_lists[size_class(size)];
  kept->next = list;
  list = kept;
}

std::size_t live_bytes() {
  std::lock_guard guard(g_lock);
  return g_live_bytes;
}

}  // namespace zrt
