// Pictures under Windows: new bitmaps of each depth, their graphics object,
// drawing pictures with defaults, stretching and transparency, shared
// surfaces and what a released or refused picture leaves.
#include "runtime/graphics/graphics_objects_win32.h"
#include "runtime/graphics/picture_layout.h"
#include "runtime/graphics/pictures_win32.h"
#include "tests/graphics/drawing_test_support.h"

#include <windows.h>

#include <vector>

namespace {

using namespace drawing_tests;

class Pictures : public DrawingTest {};

DIBSECTION section_of(const zrt::ObjectRef& image) {
  zrt::BitmapSurface* surface = zrt::surface_of(image.get());
  HDC context = surface->acquire_context();
  DIBSECTION section{};
  ::GetObjectA(::GetCurrentObject(context, OBJ_BITMAP), sizeof(section), &section);
  surface->release_context(context);
  return section;
}

std::vector<zrt::TableColor> color_table_of(const zrt::ObjectRef& image) {
  zrt::BitmapSurface* surface = zrt::surface_of(image.get());
  HDC context = surface->acquire_context();
  std::vector<zrt::TableColor> table(256);
  const UINT count = ::GetDIBColorTable(context, 0, 256, reinterpret_cast<RGBQUAD*>(table.data()));
  surface->release_context(context);
  table.resize(count);
  return table;
}

TEST_F(Pictures, NewDepth8PictureIsWhiteEverywhere) {
  zrt::ObjectRef image = picture(10, 10, 8);
  EXPECT_EQ(pictureWidthGetter(image.get(), 0), 10);
  EXPECT_EQ(pictureHeightGetter(image.get(), 0), 10);
  zrt::ObjectRef g = graphics_of(image);
  EXPECT_EQ(count_pixels(g, 10, 10, [](std::uint32_t c) { return c == k_white; }), 100);
}

TEST_F(Pictures, EachDepthHasItsColourTableAndRowLength) {
  for (int depth : {1, 4, 8, 16, 32}) {
    zrt::ObjectRef image = picture(13, 3, depth);
    const DIBSECTION section = section_of(image);
    EXPECT_EQ(section.dsBm.bmBitsPixel, depth);
    EXPECT_EQ(section.dsBm.bmWidthBytes, zrt::row_length_for(13, depth)) << depth;
    EXPECT_EQ(zrt::surface_of(image.get())->row_length(), zrt::row_length_for(13, depth));
    EXPECT_EQ(color_table_of(image), zrt::color_table_for_depth(depth)) << depth;
    zrt::ObjectRef g = graphics_of(image);
    EXPECT_EQ(pixel(g, 12, 2), k_white) << depth;
  }
}

TEST_F(Pictures, TwoBitPicturesKeepTheirFourColoursInFourBits) {
  zrt::ObjectRef image = picture(13, 3, 2);
  const DIBSECTION section = section_of(image);
  EXPECT_EQ(section.dsBm.bmBitsPixel, 4);
  std::vector<zrt::TableColor> table = color_table_of(image);
  ASSERT_GE(table.size(), 4u);
  table.resize(4);
  EXPECT_EQ(table, zrt::color_table_for_depth(2));
  zrt::ObjectRef g = graphics_of(image);
  EXPECT_EQ(pixel(g, 12, 2), k_white);
  graphicsPixelSetter(g.get(), 0, 0, 0x808080);
  EXPECT_EQ(pixel(g, 0, 0), 0x808080u);
}

TEST_F(Pictures, GraphicsIsMadeOnceAndKeepsItsState) {
  zrt::ObjectRef image = picture(4, 4);
  zrt::ObjectRef first = graphics_of(image);
  graphicsForeColorSetter(first.get(), 0, 0x00FF00);
  zrt::ObjectRef second = graphics_of(image);
  EXPECT_EQ(first.get(), second.get());
  EXPECT_EQ(first.get()->count, 3) << "the picture's reference and two handed out";
  EXPECT_EQ(graphicsForeColorGetter(second.get(), 0), 0x00FF00u);
}

TEST_F(Pictures, TransparentPropertyAndMaskAndImageCount) {
  zrt::ObjectRef image = picture(4, 4);
  EXPECT_EQ(pictureTransparentGetter(image.get(), 0), 0);
  pictureTransparentSetter(image.get(), 0, 1);
  EXPECT_EQ(pictureTransparentGetter(image.get(), 0), 1);
  EXPECT_EQ(pictureMaskGetter(image.get(), 0), nullptr);
  EXPECT_EQ(pictureImageCountGetter(image.get(), 0), 1);
}

// A 6 x 4 source with a coloured column per x.
zrt::ObjectRef striped_picture() {
  zrt::ObjectRef source = picture(6, 4);
  zrt::ObjectRef g = graphics_of(source);
  for (int x = 0; x < 6; ++x) {
    graphicsForeColorSetter(g.get(), 0, RuntimeRGB(40 * x, 255 - 40 * x, 0));
    RuntimeGraphicsFillRect(g.get(), x, 0, 1, 4);
  }
  return source;
}

TEST_F(Pictures, DrawPictureWithDefaultSizesCopiesItUnscaled) {
  zrt::ObjectRef source = striped_picture();
  zrt::ObjectRef target_image = picture(12, 8);
  zrt::ObjectRef target = graphics_of(target_image);
  constexpr std::int32_t d = -10000;
  RuntimeGraphicsDrawPicture(target.get(), source.get(), 0, 0, d, d, 0, 0, d, d);
  zrt::ObjectRef source_graphics = graphics_of(source);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 12; ++x)
      EXPECT_EQ(pixel(target, x, y), x < 6 && y < 4 ? pixel(source_graphics, x, y) : k_white) << x << "," << y;
}

TEST_F(Pictures, DrawPictureStretchesToTheDestination) {
  zrt::ObjectRef source = striped_picture();
  zrt::ObjectRef target_image = picture(12, 8);
  zrt::ObjectRef target = graphics_of(target_image);
  RuntimeGraphicsDrawPicture(target.get(), source.get(), 0, 0, 12, 8, 0, 0, 6, 4);
  zrt::ObjectRef source_graphics = graphics_of(source);
  for (int x = 0; x < 12; ++x) EXPECT_EQ(pixel(target, x, 7), pixel(source_graphics, x / 2, 3)) << x;
}

TEST_F(Pictures, DrawPictureOfASourceAreaAtAnOffset) {
  zrt::ObjectRef source = striped_picture();
  zrt::ObjectRef target_image = picture(12, 8);
  zrt::ObjectRef target = graphics_of(target_image);
  constexpr std::int32_t d = -10000;
  RuntimeGraphicsDrawPicture(target.get(), source.get(), 5, 2, 2, d, 3, 0, d, d);
  zrt::ObjectRef source_graphics = graphics_of(source);
  EXPECT_EQ(pixel(target, 5, 2), pixel(source_graphics, 3, 0));
  EXPECT_EQ(pixel(target, 6, 5), pixel(source_graphics, 4, 3));
  EXPECT_EQ(pixel(target, 7, 2), k_white) << "two columns wide";
  EXPECT_EQ(pixel(target, 5, 6), k_white) << "four rows high";
}

TEST_F(Pictures, TransparentPictureLeavesTheTargetWhereItIsWhite) {
  zrt::ObjectRef source = picture(10, 10, 32);
  zrt::ObjectRef source_graphics = graphics_of(source);
  graphicsForeColorSetter(source_graphics.get(), 0, 0xFF0000);
  RuntimeGraphicsFillRect(source_graphics.get(), 3, 3, 4, 4);
  pictureTransparentSetter(source.get(), 0, 1);

  zrt::ObjectRef target_image = picture(10, 10, 32);
  zrt::ObjectRef target = graphics_of(target_image);
  RuntimeGraphicsFillRect(target.get(), 0, 0, 10, 10);
  constexpr std::int32_t d = -10000;
  RuntimeGraphicsDrawPicture(target.get(), source.get(), 0, 0, d, d, 0, 0, d, d);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool red = x >= 3 && x < 7 && y >= 3 && y < 7;
      EXPECT_EQ(pixel(target, x, y), red ? 0xFF0000u : k_black) << x << "," << y;
    }

  // The mask follows the pixels: a new square shows in the next copy.
  graphicsForeColorSetter(source_graphics.get(), 0, 0x00FF00);
  RuntimeGraphicsFillRect(source_graphics.get(), 0, 0, 2, 2);
  RuntimeGraphicsDrawPicture(target.get(), source.get(), 0, 0, d, d, 0, 0, d, d);
  EXPECT_EQ(pixel(target, 1, 1), 0x00FF00u);
  EXPECT_EQ(pixel(target, 2, 2), k_black);
}

TEST_F(Pictures, TransparentDepth8PictureUsesItsWhiteEntry) {
  zrt::ObjectRef source = picture(4, 4, 8);
  zrt::ObjectRef source_graphics = graphics_of(source);
  RuntimeGraphicsFillRect(source_graphics.get(), 0, 0, 2, 4);
  pictureTransparentSetter(source.get(), 0, 1);
  zrt::ObjectRef target_image = picture(4, 4, 32);
  zrt::ObjectRef target = graphics_of(target_image);
  graphicsForeColorSetter(target.get(), 0, 0x0000FF);
  RuntimeGraphicsFillRect(target.get(), 0, 0, 4, 4);
  constexpr std::int32_t d = -10000;
  RuntimeGraphicsDrawPicture(target.get(), source.get(), 0, 0, d, d, 0, 0, d, d);
  EXPECT_EQ(pixel(target, 0, 0), k_black);
  EXPECT_EQ(pixel(target, 3, 3), 0x0000FFu);
}

TEST_F(Pictures, DrawingThroughAReleasedPicturesGraphicsDoesNothing) {
  zrt::ObjectRef image = picture(10, 10);
  zrt::ObjectRef g = graphics_of(image);
  RuntimeGraphicsFillRect(g.get(), 0, 0, 2, 2);  // its port is current now
  image = {};
  RuntimeGraphicsFillRect(g.get(), 0, 0, 10, 10);
  RuntimeGraphicsDrawString(g.get(), text("gone").get(), 0, 10, 0);
  EXPECT_EQ(graphicsWidthGetter(g.get(), 0), 0);
  EXPECT_EQ(pixel(g, 0, 0), 0u);
  EXPECT_EQ(RuntimeGraphicsTextHeight(g.get()), 0);
  EXPECT_EQ(zrt::DrawingPort::current(), nullptr);
}

TEST_F(Pictures, RefusedDepthKeepsItsSizeAndDrawsNothing) {
  zrt::ObjectRef refused = picture(10, 7, 3);
  EXPECT_EQ(pictureWidthGetter(refused.get(), 0), 10);
  EXPECT_EQ(pictureHeightGetter(refused.get(), 0), 7);
  EXPECT_EQ(graphics_of(refused).get(), nullptr);
  zrt::ObjectRef target_image = picture(12, 12);
  zrt::ObjectRef target = graphics_of(target_image);
  constexpr std::int32_t d = -10000;
  RuntimeGraphicsDrawPicture(target.get(), refused.get(), 0, 0, d, d, 0, 0, d, d);
  pictureTransparentSetter(refused.get(), 0, 1);
  RuntimeGraphicsDrawPicture(target.get(), refused.get(), 0, 0, d, d, 0, 0, d, d);
  EXPECT_EQ(marked_pixels(target, 12, 12), "");
}

TEST_F(Pictures, ImpossibleSizesGiveAPictureWithoutBitmap) {
  for (const auto& [width, height] : {std::pair{0, 5}, std::pair{-3, 5}, std::pair{5, -1}}) {
    zrt::ObjectRef image = picture(width, height, 32);
    EXPECT_EQ(pictureWidthGetter(image.get(), 0), width);
    EXPECT_EQ(graphics_of(image).get(), nullptr) << width << " x " << height;
  }
}

TEST_F(Pictures, NilPictureIsHarmless) {
  EXPECT_EQ(pictureWidthGetter(nullptr, 0), 0);
  EXPECT_EQ(pictureGraphicsGetter(nullptr, 0), nullptr);
  EXPECT_EQ(pictureIndexedImage(nullptr, 0), nullptr);
  zrt::ObjectRef target_image = picture(4, 4);
  zrt::ObjectRef target = graphics_of(target_image);
  RuntimeGraphicsDrawPicture(target.get(), nullptr, 0, 0, 4, 4, 0, 0, 4, 4);
  EXPECT_EQ(marked_pixels(target, 4, 4), "");
}

TEST_F(Pictures, IndexedImageSharesTheSurfaceUntilTheLastPictureGoes) {
  zrt::ObjectRef original = picture(5, 5);
  zrt::ObjectRef shared = zrt::ObjectRef::adopt(pictureIndexedImage(original.get(), 0));
  ASSERT_NE(shared.get(), nullptr);
  EXPECT_NE(shared.get(), original.get());
  EXPECT_EQ(zrt::surface_of(shared.get()), zrt::surface_of(original.get()));
  {
    zrt::ObjectRef g = graphics_of(original);
    graphicsPixelSetter(g.get(), 1, 1, 0x00FF00);
  }
  original = {};
  zrt::ObjectRef g = graphics_of(shared);
  EXPECT_EQ(pixel(g, 1, 1), 0x00FF00u);
  EXPECT_EQ(pictureWidthGetter(shared.get(), 0), 5);
}

}  // namespace
