// Packing decoded pixels into a 16-bit picture's rows.
#include "runtime/graphics/decoded_pixels.h"

namespace zrt {
namespace {

// A component laid over white by its alpha, then rounded to five bits.
std::uint32_t over_white_5(std::uint32_t component, std::uint32_t alpha) {
  const std::uint32_t blended = (component * alpha + 255 * (255 - alpha) + 127) / 255;
  return (blended * 31 + 127) / 255;
}

}  // namespace

void pack_over_white_555(std::span<const std::uint8_t> bgra, std::span<std::uint8_t> rgb555) {
  for (std::size_t pixel = 0; pixel < bgra.size() / 4; ++pixel) {
    const std::uint8_t* in = bgra.data() + pixel * 4;
    const std::uint32_t alpha = in[3];
    const std::uint32_t packed =
        over_white_5(in[2], alpha) << 10 | over_white_5(in[1], alpha) << 5 | over_white_5(in[0], alpha);
    rgb555[pixel * 2] = static_cast<std::uint8_t>(packed);
    rgb555[pixel * 2 + 1] = static_cast<std::uint8_t>(packed >> 8);
  }
}

}  // namespace zrt
