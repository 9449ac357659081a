// The allocator: the live byte count, and small blocks handed out again
// after release without mixing up their sizes.
#include "runtime/core/memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

TEST(Memory, LiveBytesCountWhatIsHeldWhateverTheBlockSize) {
  const std::size_t before = zrt::live_bytes();
  void* small = zrt::allocate(18);
  void* large = zrt::allocate(5000);
  EXPECT_EQ(zrt::live_bytes(), before + 18 + 5000);
  zrt::release(large, 5000);
  zrt::release(small, 18);
  EXPECT_EQ(zrt::live_bytes(), before);
}

TEST(Memory, ReleasedSmallBlockServesTheNextRequestOfItsSizeClass) {
  void* block = zrt::allocate(20);
  zrt::release(block, 20);
  void* again = zrt::allocate(24);  // the same class of 8-byte steps
  EXPECT_EQ(again, block);
  zrt::release(again, 24);
}

// Blocks of every small size, filled to their full requested size and
// released in an order unlike the allocation order, come back untouched by
// the blocks around them: a block too small for its request would overwrite
// a neighbour's bytes.
TEST(Memory, BlocksOfMixedSizesNeverOverlapAcrossReuse) {
  struct Held {
    unsigned char* bytes;
    std::size_t size;
  };
  std::vector<Held> held;
  for (int round = 0; round < 3; ++round) {
    for (std::size_t size = 1; size <= 300; size += 7) {
      auto* bytes = static_cast<unsigned char*>(zrt::allocate(size));
      std::memset(bytes, static_cast<int>(size & 0xFF), size);
      held.push_back({bytes, size});
    }
    for (std::size_t i = round % 2; i < held.size(); i += 2) {
      for (std::size_t b = 0; b < held[i].size; ++b) ASSERT_EQ(held[i].bytes[b], held[i].size & 0xFF);
      zrt::release(held[i].bytes, held[i].size);
      held[i].bytes = nullptr;
    }
    std::erase_if(held, [](const Held& h) { return h.bytes == nullptr; });
  }
  for (const Held& h : held) {
    for (std::size_t b = 0; b < h.size; ++b) ASSERT_EQ(h.bytes[b], h.size & 0xFF);
    zrt::release(h.bytes, h.size);
  }
}

}  // namespace
