// Building the two images with which a transparent picture is drawn: a
// one-bit mask whose set bits mark the white pixels, and a copy of the image
// with those pixels made black. Portable: it works on the pixel bytes alone.
#pragma once

#include "runtime/graphics/picture_layout.h"

#include <cstdint>
#include <span>

namespace zrt {

// The pixels of a top-down bitmap, described enough to find its white ones.
struct PixelRows {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t depth = 0;
  std::int32_t row_length = 0;
  std::span<const TableColor> color_table;
};

// Whether a mask is made for this depth (1, 8, 16 and 32).
[[nodiscard]] bool depth_has_mask(std::int32_t depth);

// Writes the mask (rows of row_length_for(width, 1) bytes, the first pixel
// in the high bit) and the blacked-out copy (same layout as the image).
void build_transparency_mask(const PixelRows& rows, const std::uint8_t* pixels, std::uint8_t* mask,
                             std::uint8_t* blacked_out);

}  // namespace zrt
