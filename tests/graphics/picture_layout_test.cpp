// The bitmap headers, colour tables and row lengths of new pictures.
#include "runtime/graphics/picture_layout.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using zrt::TableColor;

std::int32_t word_at(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  std::int32_t value = 0;
  std::memcpy(&value, bytes.data() + at, 4);
  return value;
}

TableColor grey(std::uint8_t level) { return {level, level, level, 0}; }

TEST(PictureLayout, HeaderDescribesATopDownUncompressedBitmap) {
  const std::vector<std::uint8_t> header = zrt::bitmap_header_for(526, 378, 8);
  ASSERT_EQ(header.size(), 40u + 256u * 4u);
  EXPECT_EQ(word_at(header, 0), 40);
  EXPECT_EQ(word_at(header, 4), 526);
  EXPECT_EQ(word_at(header, 8), -378);
  EXPECT_EQ(header[12] | header[13] << 8, 1) << "planes";
  EXPECT_EQ(header[14] | header[15] << 8, 8) << "bit count";
  EXPECT_EQ(word_at(header, 16), 0) << "no compression";
}

TEST(PictureLayout, TwoAndFourColourTables) {
  EXPECT_EQ(zrt::color_table_for_depth(1), (std::vector<TableColor>{grey(255), grey(0)}));
  EXPECT_EQ(zrt::color_table_for_depth(2), (std::vector<TableColor>{grey(255), grey(192), grey(128), grey(0)}));
}

TEST(PictureLayout, SixteenGreysFromWhiteToBlack) {
  const std::vector<TableColor> table = zrt::color_table_for_depth(4);
  ASSERT_EQ(table.size(), 16u);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(table[i], grey(static_cast<std::uint8_t>(255 - 17 * i))) << i;
}

TEST(PictureLayout, ColourCubeWithRedSlowestAndBlackTail) {
  const std::vector<TableColor> table = zrt::color_table_for_depth(8);
  ASSERT_EQ(table.size(), 256u);
  EXPECT_EQ(table[0], grey(0));
  EXPECT_EQ(table[215], grey(255));
  EXPECT_EQ(table[36 * 5], (TableColor{0, 0, 255, 0})) << "red varies slowest";
  EXPECT_EQ(table[1], (TableColor{51, 0, 0, 0})) << "blue varies fastest";
  EXPECT_EQ(table[36 * 2 + 6 * 3 + 4], (TableColor{204, 153, 102, 0}));
  for (int i = 216; i < 256; ++i) EXPECT_EQ(table[i], grey(0)) << i;
}

TEST(PictureLayout, DirectAndUnknownDepthsHaveNoTable) {
  for (int depth : {16, 24, 32, 3, 0, -8}) {
    EXPECT_TRUE(zrt::color_table_for_depth(depth).empty()) << depth;
    EXPECT_EQ(zrt::bitmap_header_for(4, 4, depth).size(), 40u) << depth;
  }
}

TEST(PictureLayout, RowLengthsArePaddedToFourBytes) {
  struct Case {
    std::int32_t width, depth, row_length;
  };
  for (const Case& c : {Case{1, 1, 4}, Case{32, 1, 4}, Case{33, 1, 8}, Case{16, 2, 4}, Case{17, 2, 8},
                        Case{8, 4, 4}, Case{9, 4, 8}, Case{526, 8, 528}, Case{4, 8, 4}, Case{3, 16, 8},
                        Case{2, 16, 4}, Case{10, 32, 40}})
    EXPECT_EQ(zrt::row_length_for(c.width, c.depth), c.row_length) << c.width << " at depth " << c.depth;
}

TEST(PictureLayout, NoRowLengthForDepth24OrImpossibleWidths) {
  EXPECT_EQ(zrt::row_length_for(10, 24), 0);
  EXPECT_EQ(zrt::row_length_for(0, 8), 0);
  EXPECT_EQ(zrt::row_length_for(-5, 32), 0);
  EXPECT_EQ(zrt::row_length_for(INT32_MAX, 32), 0) << "would not fit 32 bits";
}

TEST(PictureLayout, ShortTablesCountTheirEntries) {
  const std::vector<std::uint8_t> header = zrt::bitmap_header_with_table(4, 4, 4, zrt::color_table_for_depth(2));
  EXPECT_EQ(header.size(), 40u + 4u * 4u);
  EXPECT_EQ(header[14], 4) << "bit count";
  EXPECT_EQ(word_at(header, 32), 4) << "entries used";
  EXPECT_EQ(word_at(zrt::bitmap_header_for(4, 4, 4), 32), 0) << "a full table leaves the count 0";
}

TEST(PictureLayout, TableReadBackFromTheHeader) {
  EXPECT_EQ(zrt::color_table_of_header(zrt::bitmap_header_for(3, 3, 4)), zrt::color_table_for_depth(4));
  EXPECT_TRUE(zrt::color_table_of_header(zrt::bitmap_header_for(3, 3, 32)).empty());
}

}  // namespace
