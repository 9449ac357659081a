// Windows bitmap files (".bmp"): reading the file's bytes into a checked
// description of its pixels, and writing those pixels as the rows of a
// picture. Portable: every length, offset and size in the file is checked
// against the bytes present before anything is read or allocated, so a
// damaged file is refused with the reason, never half read.
#pragma once

#include "runtime/graphics/picture_layout.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zrt {

// Where the red, green and blue bits of a 16- or 32-bit pixel lie.
struct ColorMasks {
  std::uint32_t red = 0;
  std::uint32_t green = 0;
  std::uint32_t blue = 0;
  bool operator==(const ColorMasks&) const = default;
};

// The masks a bitmap without its own uses, and a picture keeps, at 16 bits
// (five bits each) and at 32 bits (eight bits each).
inline constexpr ColorMasks k_masks_555{0x7C00, 0x03E0, 0x001F};
inline constexpr ColorMasks k_masks_888{0xFF0000, 0x00FF00, 0x0000FF};

struct BitmapFile {
  std::int32_t width = 0;
  std::int32_t height = 0;  // rows, whichever way they are stored
  std::int32_t depth = 0;   // 1, 4, 8, 16, 24 or 32 bits per pixel
  bool top_down = false;    // the first stored row is the top one
  std::vector<TableColor> color_table;  // depths 1, 4 and 8
  ColorMasks masks;                     // depths 16 and 32
  std::int32_t row_length = 0;          // bytes per stored row, padded to 4
  // height rows of row_length bytes, in the bytes that were read.
  std::span<const std::uint8_t> pixels;

  // The stored bytes of the row `y` rows from the top.
  [[nodiscard]] std::span<const std::uint8_t> row(std::int32_t y) const;
};

// The description, or why the bytes are not a bitmap file this reader takes.
// Run-length compressed bitmaps are refused.
using BitmapFileRead = std::variant<BitmapFile, std::string>;
[[nodiscard]] BitmapFileRead read_bitmap_file(std::span<const std::uint8_t> bytes);

// The colour 0x00RRGGBB of the pixel at column x of the row y rows from the
// top; black for a colour index past the table.
[[nodiscard]] std::uint32_t bitmap_pixel(const BitmapFile& file, std::int32_t x, std::int32_t y);

// Whether a path names a bitmap file: it ends in ".bmp", in any case.
[[nodiscard]] bool is_bitmap_file_path(std::string_view path);

// The depth of the picture that holds the file: the file's own where
// pictures keep its pixels as they are (1, 4 and 8 bits with the file's
// colour table, 16 bits of five each, 32 bits of eight each), 32 otherwise.
[[nodiscard]] std::int32_t picture_depth_for(const BitmapFile& file);

// Writes the file's pixels as the top-down rows of a picture of that depth
// (row_length_for(width, depth) bytes each) into `rows`, which holds them all.
void write_picture_rows(const BitmapFile& file, std::int32_t picture_depth, std::span<std::uint8_t> rows);

}  // namespace zrt
