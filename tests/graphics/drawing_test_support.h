// Support for the drawing tests under Windows: a fixture that registers the
// runtime classes and checks that no object, string, byte or font is left
// behind, owned references to pictures and graphics, and pixel readers.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/graphics/font_cache.h"
#include "runtime/interface/exports.h"
#include "tests/core/object_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace drawing_tests {

constexpr std::uint32_t k_white = 0xFFFFFF;
constexpr std::uint32_t k_black = 0x000000;

class DrawingTest : public object_tests::ObjectTest {
 protected:
  void TearDown() override {
    object_tests::ObjectTest::TearDown();
    EXPECT_EQ(zrt::cached_font_count(), 0u) << "a font was not given back";
  }
};

inline zrt::ObjectRef picture(std::int32_t width, std::int32_t height, std::int32_t depth = 32) {
  return zrt::ObjectRef::adopt(newPicture(width, height, depth));
}

inline zrt::ObjectRef graphics_of(const zrt::ObjectRef& picture) {
  return zrt::ObjectRef::adopt(pictureGraphicsGetter(picture.get(), 0));
}

inline zrt::StringRef text(std::string_view bytes) { return zrt::StringRef::adopt(zrt::make_string(bytes)); }

inline std::uint32_t pixel(const zrt::ObjectRef& graphics, int x, int y) {
  return graphicsPixelGetter(graphics.get(), x, y);
}

// The pixels of the area, as "x,y" of each that differs from the background.
inline std::string marked_pixels(const zrt::ObjectRef& graphics, int width, int height,
                                 std::uint32_t background = k_white) {
  std::string marked;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (pixel(graphics, x, y) != background) marked += std::to_string(x) + "," + std::to_string(y) + " ";
  return marked;
}

inline int count_pixels(const zrt::ObjectRef& graphics, int width, int height,
                        const std::function<bool(std::uint32_t)>& wanted) {
  int count = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) count += wanted(pixel(graphics, x, y)) ? 1 : 0;
  return count;
}

// The lowest and highest rows and the rightmost column holding a pixel
// other than white; -1 when there is none.
struct Ink {
  int top = -1;
  int bottom = -1;
  int right = -1;
};

inline Ink ink_of(const zrt::ObjectRef& graphics, int width, int height) {
  Ink ink;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (pixel(graphics, x, y) == k_white) continue;
      if (ink.top < 0) ink.top = y;
      ink.bottom = y;
      if (x > ink.right) ink.right = x;
    }
  return ink;
}

}  // namespace drawing_tests
