// Where the clipboard's packed bitmaps keep their pixels, and which blocks
// are refused before any pixel is read.
#include "runtime/graphics/dib_layout.h"

#include "runtime/graphics/picture_layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A header as pictures write it, followed by room for the pixels.
std::vector<std::uint8_t> dib(std::int32_t width, std::int32_t height, std::int32_t depth, std::size_t pixel_bytes) {
  std::vector<std::uint8_t> block = zrt::bitmap_header_for(width, height, depth);
  block.resize(block.size() + pixel_bytes);
  return block;
}

void set_word(std::vector<std::uint8_t>& block, std::size_t at, std::uint32_t value) {
  std::memcpy(block.data() + at, &value, 4);
}

TEST(DibLayout, PixelsFollowTheHeaderTheMasksAndTheColourTable) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> block;
    std::size_t offset;
  };
  std::vector<std::uint8_t> fields = dib(3, 2, 32, 12 + 24);
  set_word(fields, 16, 3);  // bit fields: three masks after the header
  std::vector<std::uint8_t> few_colors = dib(8, 1, 8, 8);
  set_word(few_colors, 32, 2);  // two colours used: a table of two entries
  few_colors.resize(40 + 2 * 4 + 8);
  const Case cases[] = {
      {"8 bits, 256 colours", dib(5, 3, 8, 8 * 3), 40 + 1024},
      {"32 bits, no table", dib(3, 2, 32, 24), 40},
      {"bit fields", fields, 40 + 12},
      {"a short colour table", few_colors, 40 + 8},
  };
  for (const Case& c : cases) {
    const auto layout = zrt::read_dib_layout(c.block);
    ASSERT_TRUE(layout) << c.what;
    EXPECT_EQ(layout->pixels_offset, c.offset) << c.what;
  }
  const auto top_down = zrt::read_dib_layout(dib(5, 3, 8, 24));
  EXPECT_EQ(top_down->width, 5);
  EXPECT_EQ(top_down->height, 3) << "rows stored top-down count as they are";
}

TEST(DibLayout, RefusesBlocksThatDoNotHoldWhatTheirHeaderPromises) {
  std::vector<std::uint8_t> too_many_colors = dib(4, 4, 4, 64);
  set_word(too_many_colors, 32, 17);
  std::vector<std::uint8_t> compressed = dib(4, 4, 8, 16);
  set_word(compressed, 16, 1);
  std::vector<std::uint8_t> no_width = dib(4, 4, 32, 64);
  set_word(no_width, 4, 0);
  std::vector<std::uint8_t> huge_height = dib(4, 4, 32, 64);
  set_word(huge_height, 8, 0x7FFFFFFF);
  const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
      {"shorter than a header", std::vector<std::uint8_t>(39)},
      {"pixels cut short", dib(5, 3, 8, 8 * 3 - 1)},
      {"more colours than the depth has", too_many_colors},
      {"run-length compressed", compressed},
      {"no width", no_width},
      {"rows far beyond the block", huge_height},
      {"a depth the system does not draw", dib(4, 4, 2, 64)},
  };
  for (const auto& [what, block] : cases) EXPECT_FALSE(zrt::read_dib_layout(block)) << what;
}

}  // namespace
