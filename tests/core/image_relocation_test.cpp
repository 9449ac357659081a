// Relocating data1 through the data2 words: runs of each base, skips, words
// that do nothing, and runs that would reach past the end of data1.
#include <gtest/gtest.h>

#include "tests/core/image_builder.h"

#include "runtime/core/image_relocation.h"

namespace loader_test {
namespace {

std::vector<std::uint8_t> words(std::initializer_list<std::uint16_t> values) {
  std::vector<std::uint8_t> bytes;
  for (const std::uint16_t value : values) push_u16(bytes, value);
  return bytes;
}

// data1 of `size` bytes where word i holds i, relocated by `data2`.
struct Relocated {
  std::vector<std::uint8_t> data1;
  bool ok;
  zrt::LoadError error;

  std::uint32_t word(std::size_t index) const { return zrt::load_u32(data1, 4 * index); }
};

Relocated relocate(std::size_t size, const std::vector<std::uint8_t>& data2) {
  Relocated result{std::vector<std::uint8_t>(size, 0), false, {}};
  for (std::size_t i = 0; i + 4 <= size; i += 4) zrt::store_u32(result.data1, i, static_cast<std::uint32_t>(i / 4));
  result.ok = zrt::relocate_data(zrt::ImageBlock(result.data1, k_data_base), k_code_base, data2, result.error);
  return result;
}

TEST(ImageRelocation, RunsAddTheirBaseAndMoveTheCursorPastThem) {
  // Word 0 by code1, words 1-2 by data1, skip 4 bytes, word 4 by the second
  // code kind; an unknown word and an odd final byte do nothing.
  auto data2 = words({0x4000, 0x4201, 0x8003, 0x4400, 0x1234, 0x4600});
  data2.push_back(0x40);
  const Relocated result = relocate(24, data2);
  ASSERT_TRUE(result.ok) << result.error.message;
  EXPECT_EQ(result.word(0), k_code_base + 0);
  EXPECT_EQ(result.word(1), k_data_base + 1);
  EXPECT_EQ(result.word(2), k_data_base + 2);
  EXPECT_EQ(result.word(3), 3U);
  EXPECT_EQ(result.word(4), k_code_base + 4);
  EXPECT_EQ(result.word(5), 5U);
}

TEST(ImageRelocation, LongestSkipAndLongestRun) {
  // 0x8FFF skips 4,096 bytes, 0x41FF relocates 512 words.
  const Relocated result = relocate(4096 + 4 * 512 + 4, words({0x8FFF, 0x41FF}));
  ASSERT_TRUE(result.ok) << result.error.message;
  EXPECT_EQ(result.word(1023), 1023U);
  EXPECT_EQ(result.word(1024), k_code_base + 1024);
  EXPECT_EQ(result.word(1024 + 511), k_code_base + 1024 + 511);
  EXPECT_EQ(result.word(1024 + 512), 1024U + 512);
}

TEST(ImageRelocation, SkipsMayPassTheEndButRunsMayNot) {
  EXPECT_TRUE(relocate(8, words({0x8FFF, 0x8FFF})).ok);
  const Relocated past = relocate(8, words({0x8003, 0x4001}));
  ASSERT_FALSE(past.ok);
  EXPECT_EQ(past.error.message,
            "The application could not be loaded because the data2 word at offset 0x2 relocates 2 words at data1 "
            "offset 0x4, beyond the end of data1 (0x8 bytes).");
  // 2^20 skips of 4,096 bytes add up to 2^32: the cursor must not wrap back
  // to the start of data1.
  std::vector<std::uint8_t> many;
  for (int i = 0; i < (1 << 20); ++i) push_u16(many, 0x8FFF);
  push_u16(many, 0x4000);
  EXPECT_FALSE(relocate(8, many).ok);
}

}  // namespace
}  // namespace loader_test
