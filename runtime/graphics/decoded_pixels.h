// Pixels decoded by the image library, as rows of 32-bit blue, green, red,
// alpha, packed into the rows of a 16-bit picture (five bits each, red
// highest). A new picture is white, so partly transparent pixels are laid
// over white.
#pragma once

#include <cstdint>
#include <span>

namespace zrt {

// Packs the pixels of `bgra` (four bytes each) into `rgb555` (two bytes
// each, little-endian), which holds at least as many pixels.
void pack_over_white_555(std::span<const std::uint8_t> bgra, std::span<std::uint8_t> rgb555);

}  // namespace zrt
