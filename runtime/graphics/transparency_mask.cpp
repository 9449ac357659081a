// The white-pixel mask and the blacked-out copy of a transparent picture.
#include "runtime/graphics/transparency_mask.h"

#include "runtime/core/assert.h"

#include <cstring>

namespace zrt {
namespace {

constexpr TableColor k_white{255, 255, 255, 0};

std::uint32_t read_little(const std::uint8_t* at, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(at[i]) << (8 * i);
  return value;
}

bool indexed_white(const PixelRows& rows, std::uint32_t index) {
  return index < rows.color_table.size() && rows.color_table[index] == k_white;
}

std::uint32_t index_at(const std::uint8_t* row, std::int32_t x, std::int32_t depth) {
  if (depth == 8) return row[x];
  return (row[x / 8] >> (7 - x % 8)) & 1u;  // depth 1: the first pixel in the high bit
}

void blacken(std::uint8_t* row, std::int32_t x, const PixelRows& rows) {
  switch (rows.depth) {
    case 32: std::memset(row + 4 * x, 0, 4); break;
    case 16: std::memset(row + 2 * x, 0, 2); break;
    case 8: row[x] = 0; break;  // entry 0 of the depth-8 table is black
    default: {
      // The depth-1 table is white, black: black is a set bit.
      row[x / 8] = static_cast<std::uint8_t>(row[x / 8] | (0x80u >> (x % 8)));
    }
  }
}

bool white_at(const std::uint8_t* row, std::int32_t x, const PixelRows& rows) {
  switch (rows.depth) {
    case 32: return (read_little(row + 4 * x, 4) & 0xFFFFFFu) == 0xFFFFFFu;
    case 16: return (read_little(row + 2 * x, 2) & 0x7FFFu) == 0x7FFFu;
    default: return indexed_white(rows, index_at(row, x, rows.depth));
  }
}

}  // namespace

bool depth_has_mask(std::int32_t depth) { return depth == 1 || depth == 8 || depth == 16 || depth == 32; }

void build_transparency_mask(const PixelRows& rows, const std::uint8_t* pixels, std::uint8_t* mask,
                             std::uint8_t* blacked_out) {
  ZASSERT(depth_has_mask(rows.depth), "a transparency mask for a depth that has none");
  const std::int32_t mask_row_length = row_length_for(rows.width, 1);
  std::memcpy(blacked_out, pixels, static_cast<std::size_t>(rows.row_length) * rows.height);
  std::memset(mask, 0, static_cast<std::size_t>(mask_row_length) * rows.height);
  for (std::int32_t y = 0; y < rows.height; ++y) {
    const std::uint8_t* row = pixels + static_cast<std::size_t>(y) * rows.row_length;
    std::uint8_t* mask_row = mask + static_cast<std::size_t>(y) * mask_row_length;
    std::uint8_t* blacked_row = blacked_out + static_cast<std::size_t>(y) * rows.row_length;
    for (std::int32_t x = 0; x < rows.width; ++x) {
      if (!white_at(row, x, rows)) continue;
      mask_row[x / 8] = static_cast<std::uint8_t>(mask_row[x / 8] | (0x80u >> (x % 8)));
      blacken(blacked_row, x, rows);
    }
  }
}

}  // namespace zrt
