// Reading Windows bitmap files: every depth, header kind and row order gives
// the right colours and the right picture rows, and damaged files are
// refused with a reason before anything is read past their end.
#include "runtime/graphics/bitmap_file.h"

#include "tests/graphics/bitmap_file_builder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <variant>

namespace {

using bitmap_tests::BitmapShape;
using bitmap_tests::HeaderKind;
using zrt::TableColor;

TableColor rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) { return {blue, green, red, 0}; }

struct ReadCase {
  const char* what;
  BitmapShape shape;
  std::vector<std::uint32_t> colors;  // 0x00RRGGBB, top row first
  std::int32_t picture_depth;
};

std::vector<ReadCase> read_cases() {
  const std::vector<std::uint32_t> colors24 = {0x123456, 0xABCDEF, 0xFF0000, 0x00FF00, 0x0000FF, 0x010203};
  return {
      {"1 bit across bytes, one row",
       {.width = 10, .height = 1, .depth = 1, .table = {rgb(255, 0, 0), rgb(0, 0, 255)}, .values = {1, 0, 0, 0, 0, 0, 0, 0, 1, 1}},
       {0xFF, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF, 0xFF},
       1},
      {"4 bits, core header, bottom-up",
       {.depth = 4, .header = HeaderKind::Core, .table = zrt::color_table_for_depth(4), .values = {0, 15, 7, 8, 1, 14}},
       {0xFFFFFF, 0x000000, 0x888888, 0x777777, 0xEEEEEE, 0x111111},
       4},
      {"8 bits, top-down, a short table and an index past it",
       {.depth = 8, .top_down = true, .table = {rgb(10, 20, 30), rgb(200, 100, 50), rgb(0, 255, 0)}, .values = {0, 1, 2, 2, 1, 5}},
       {0x0A141E, 0xC86432, 0x00FF00, 0x00FF00, 0xC86432, 0x000000},
       8},
      {"16 bits, five each",
       {.depth = 16, .values = {0x7C00, 0x03E0, 0x001F, 0x7FFF, 0x0000, 0x4210}},
       {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x838383},
       16},
      {"16 bits, 5-6-5 masks, top-down",
       {.depth = 16, .top_down = true, .masks = zrt::ColorMasks{0xF800, 0x07E0, 0x001F},
        .values = {0xF800, 0x07E0, 0x001F, 0xFFFF, 0x0000, 0x8410}},
       {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x838183},
       32},
      {"24 bits, bottom-up", {.depth = 24, .values = colors24}, colors24, 32},
      {"24 bits, core header", {.depth = 24, .header = HeaderKind::Core, .values = colors24}, colors24, 32},
      {"32 bits, the fourth byte ignored",
       {.depth = 32, .top_down = true, .values = {0x00123456, 0xFFABCDEF, 0x80FF0000, 0x00FF00, 0xFF, 0x010203}},
       colors24,
       32},
      {"32 bits, masks inside a long header, red lowest",
       {.depth = 32, .header = HeaderKind::V5, .masks = zrt::ColorMasks{0xFF, 0xFF00, 0xFF0000},
        .values = {0x563412, 0xEFCDAB, 0x0000FF, 0x00FF00, 0xFF0000, 0x030201}},
       colors24,
       32},
      {"32 bits, ten bits each",
       {.depth = 32, .masks = zrt::ColorMasks{0x3FF00000, 0x000FFC00, 0x000003FF},
        .values = {0x3FF00000, 0x000FFC00, 0x000003FF, 0x20080200, 0, 0x3FFFFFFF}},
       {0xFF0000, 0x00FF00, 0x0000FF, 0x7F7F7F, 0x000000, 0xFFFFFF},
       32},
  };
}

std::vector<std::uint32_t> pixels_of(const zrt::BitmapFile& file) {
  std::vector<std::uint32_t> colors;
  for (std::int32_t y = 0; y < file.height; ++y)
    for (std::int32_t x = 0; x < file.width; ++x) colors.push_back(zrt::bitmap_pixel(file, x, y));
  return colors;
}

// "RRGGBB RRGGBB ...", for messages that show which pixel differs.
std::string hex(const std::vector<std::uint32_t>& colors) {
  std::string text;
  for (const std::uint32_t color : colors) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%06X ", color);
    text += digits;
  }
  return text;
}

TEST(BitmapFile, EachDepthHeaderAndRowOrderReadsItsColoursAndWritesThemAsPictureRows) {
  for (const ReadCase& c : read_cases()) {
    SCOPED_TRACE(c.what);
    const std::vector<std::uint8_t> bytes = bitmap_tests::bitmap_file(c.shape);
    const zrt::BitmapFileRead read = zrt::read_bitmap_file(bytes);
    ASSERT_TRUE(std::holds_alternative<zrt::BitmapFile>(read)) << std::get<std::string>(read);
    const zrt::BitmapFile& file = std::get<zrt::BitmapFile>(read);
    EXPECT_EQ(file.width, c.shape.width);
    EXPECT_EQ(file.height, c.shape.height);
    EXPECT_EQ(hex(pixels_of(file)), hex(c.colors));

    // The picture's rows, read back as a top-down bitmap of the picture's
    // depth, table and masks, give the same colours.
    const std::int32_t depth = zrt::picture_depth_for(file);
    EXPECT_EQ(depth, c.picture_depth);
    const std::int32_t row_length = zrt::row_length_for(file.width, depth);
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(row_length * file.height), 0xAA);
    zrt::write_picture_rows(file, depth, rows);
    zrt::BitmapFile picture{.width = file.width, .height = file.height, .depth = depth, .top_down = true,
                            .color_table = file.color_table, .masks = depth == 16 ? zrt::k_masks_555 : zrt::k_masks_888,
                            .row_length = row_length, .pixels = rows};
    EXPECT_EQ(hex(pixels_of(picture)), hex(c.colors)) << "as picture rows";
  }
}

std::vector<std::uint8_t> with_word(std::vector<std::uint8_t> bytes, std::size_t at, std::uint32_t value,
                                    std::size_t size = 4) {
  bitmap_tests::put(bytes, at, value, size);
  return bytes;
}

std::vector<std::uint8_t> cut(std::vector<std::uint8_t> bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

TEST(BitmapFile, DamagedFilesAreRefusedWithAReason) {
  using namespace bitmap_tests;
  const std::vector<std::uint8_t> indexed =
      bitmap_file({.depth = 8, .table = {rgb(1, 2, 3), rgb(4, 5, 6), rgb(7, 8, 9)}, .values = {0, 1, 2, 2, 1, 0}});
  const std::vector<std::uint8_t> masked =
      bitmap_file({.depth = 16, .masks = zrt::ColorMasks{0xF800, 0x07E0, 0x001F}, .values = {1, 2, 3, 4, 5, 6}});
  const std::vector<std::uint8_t> core = bitmap_file({.depth = 24, .header = HeaderKind::Core, .values = {1, 2, 3, 4, 5, 6}});
  constexpr std::size_t k_masks_at = k_info_end;
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
  };
  const Case cases[] = {
      {"no bytes", {}},
      {"no bitmap signature", with_word(indexed, 0, 'X', 1)},
      {"cut inside the info header", cut(indexed, 30)},
      {"a header size between the core and the info header", with_word(indexed, k_header_size_at, 20)},
      {"a header size past the end", with_word(indexed, k_header_size_at, 0xFFFFFFFF)},
      {"width 0", with_word(indexed, k_width_at, 0)},
      {"a negative width", with_word(indexed, k_width_at, static_cast<std::uint32_t>(-3))},
      {"height 0", with_word(indexed, k_height_at, 0)},
      {"the most negative height", with_word(indexed, k_height_at, 0x80000000)},
      {"two planes", with_word(indexed, k_planes_at, 2, 2)},
      {"2 bits per pixel", with_word(indexed, k_depth_at, 2, 2)},
      {"64 bits per pixel", with_word(indexed, k_depth_at, 64, 2)},
      {"run-length compressed", with_word(indexed, k_compression_at, 1)},
      {"JPEG compressed", with_word(indexed, k_compression_at, 4)},
      {"masks at 8 bits", with_word(indexed, k_compression_at, 3)},
      {"257 colours at 8 bits", with_word(indexed, k_colors_used_at, 257)},
      {"a colour table past the end", with_word(indexed, k_colors_used_at, 200)},
      {"the pixel offset past the end", with_word(indexed, k_pixel_offset_at, 0xFFFFFFF0)},
      {"the pixels inside the colour table", with_word(indexed, k_pixel_offset_at, k_info_end)},
      {"the pixels one byte short", cut(indexed, indexed.size() - 1)},
      {"a row longer than 2^31 bytes", with_word(indexed, k_width_at, 0x7FFFFFFF)},
      {"width times height past the end", with_word(with_word(indexed, k_width_at, 1000), k_height_at, 0x7FFFFFFF)},
      {"an empty red mask", with_word(masked, k_masks_at, 0)},
      {"a split green mask", with_word(masked, k_masks_at + 4, 0x0F0F)},
      {"a mask wider than 16 bits", with_word(masked, k_masks_at + 8, 0x1F0000)},
      {"masks cut off", cut(masked, k_masks_at + 6)},
      {"a core header at 16 bits", with_word(core, k_header_size_at + 10, 16, 2)},
      {"a core header of width 0", with_word(core, k_header_size_at + 4, 0, 2)},
  };
  for (const Case& c : cases) {
    const zrt::BitmapFileRead read = zrt::read_bitmap_file(c.bytes);
    ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.what << ": read";
    EXPECT_FALSE(std::get<std::string>(read).empty()) << c.what;
  }
}

TEST(BitmapFile, OnlyPathsEndingInBmpInAnyCaseAreBitmapFiles) {
  const std::pair<const char*, bool> cases[] = {
      {"a.bmp", true},  {"C:\\Pictures\\PLOT.BMP", true}, {"x.Bmp", true},     {".bmp", true},
      {"bmp", false},   {"a.bmp.png", false},             {"a.dib", false},    {"abmp", false},
      {"", false},      {"a.bmpx", false},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(zrt::is_bitmap_file_path(path), expected) << path;
}

}  // namespace
