// The white-pixel mask and the blacked-out copy of transparent pictures.
#include "runtime/graphics/transparency_mask.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Built {
  std::vector<std::uint8_t> mask;
  std::vector<std::uint8_t> blacked;
};

Built build(const zrt::PixelRows& rows, const std::vector<std::uint8_t>& pixels) {
  Built built{std::vector<std::uint8_t>(zrt::row_length_for(rows.width, 1) * rows.height, 0xAA),
              std::vector<std::uint8_t>(pixels.size(), 0xAA)};
  zrt::build_transparency_mask(rows, pixels.data(), built.mask.data(), built.blacked.data());
  return built;
}

TEST(TransparencyMask, Depth32WhiteIsAllTwentyFourColourBits) {
  // One row of three pixels: white, white with a set top byte, almost white.
  const std::vector<std::uint8_t> pixels{0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0x7F, 0xFE, 0xFF, 0xFF, 0x00};
  const Built built = build({3, 1, 32, 12, {}}, pixels);
  EXPECT_EQ(built.mask[0], 0b1100'0000);
  EXPECT_EQ(built.mask[1], 0) << "padding is cleared";
  const std::vector<std::uint8_t> blacked{0, 0, 0, 0, 0, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0x00};
  EXPECT_EQ(built.blacked, blacked);
}

TEST(TransparencyMask, Depth16WhiteIsFifteenColourBits) {
  const std::vector<std::uint8_t> pixels{0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x3F, 0x00, 0x00};
  const Built built = build({4, 1, 16, 8, {}}, pixels);
  EXPECT_EQ(built.mask[0], 0b1100'0000) << "the top bit is not a colour bit";
  EXPECT_EQ(built.blacked, (std::vector<std::uint8_t>{0, 0, 0, 0, 0xFF, 0x3F, 0, 0}));
}

TEST(TransparencyMask, Depth8WhiteIsTheTableEntryOfWhite) {
  const std::vector<zrt::TableColor> table = zrt::color_table_for_depth(8);
  // Two rows of four: entry 215 is white, entry 214 is not.
  const std::vector<std::uint8_t> pixels{215, 1, 214, 215, 0, 215, 215, 7};
  const Built built = build({4, 2, 8, 4, table}, pixels);
  EXPECT_EQ(built.mask[0], 0b1001'0000);
  EXPECT_EQ(built.mask[4], 0b0110'0000) << "the second row starts a mask row later";
  EXPECT_EQ(built.blacked, (std::vector<std::uint8_t>{0, 1, 214, 0, 0, 0, 0, 7}));
}

TEST(TransparencyMask, Depth1WhiteIsTheClearBit) {
  const std::vector<zrt::TableColor> table = zrt::color_table_for_depth(1);
  const std::vector<std::uint8_t> pixels{0b0101'0000, 0, 0, 0};  // white, black, white, black, ...
  const Built built = build({4, 1, 1, 4, table}, pixels);
  EXPECT_EQ(built.mask[0], 0b1010'0000);
  EXPECT_EQ(built.blacked[0], 0b1111'0000) << "white pixels became black";
}

TEST(TransparencyMask, OnlyDepthsWithAKnownWhiteHaveAMask) {
  for (int depth : {1, 8, 16, 32}) EXPECT_TRUE(zrt::depth_has_mask(depth)) << depth;
  for (int depth : {2, 4, 24, 0}) EXPECT_FALSE(zrt::depth_has_mask(depth)) << depth;
}

}  // namespace
