// Decoded pixels packed into a 16-bit picture: colours rounded to five bits,
// transparency laid over white.
#include "runtime/graphics/decoded_pixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(DecodedPixels, ColoursAreRoundedToFiveBitsAndLaidOverWhiteByTheirAlpha) {
  struct Case {
    const char* what;
    std::uint8_t blue, green, red, alpha;
    std::uint16_t packed;
  };
  const Case cases[] = {
      {"opaque white", 255, 255, 255, 255, 0x7FFF},
      {"opaque black", 0, 0, 0, 255, 0x0000},
      {"opaque red", 0, 0, 255, 255, 0x7C00},
      {"opaque green", 0, 255, 0, 255, 0x03E0},
      {"opaque blue", 255, 0, 0, 255, 0x001F},
      {"mid grey rounds to 16", 128, 128, 128, 255, 16 << 10 | 16 << 5 | 16},
      {"4 rounds down to 0, 5 up to 1", 4, 5, 0, 255, 1 << 5},
      {"transparent black is white", 0, 0, 0, 0, 0x7FFF},
      {"half transparent black is grey", 0, 0, 0, 127, 16 << 10 | 16 << 5 | 16},
  };
  for (const Case& c : cases) {
    const std::vector<std::uint8_t> bgra = {0, 0, 0, 255, c.blue, c.green, c.red, c.alpha};
    std::vector<std::uint8_t> packed(4, 0xAA);
    zrt::pack_over_white_555(bgra, packed);
    EXPECT_EQ(packed[0] | packed[1] << 8, 0) << c.what << ": the pixel before";
    EXPECT_EQ(packed[2] | packed[3] << 8, c.packed) << c.what;
  }
}

}  // namespace
