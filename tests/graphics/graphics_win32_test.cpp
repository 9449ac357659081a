// Drawing through graphics objects, read back pixel by pixel: colours,
// lines in the GDI end-point convention, rectangles, fills, shapes, text on
// its baseline, fonts through the shared cache, pens, origin and clipping.
#include "runtime/graphics/graphics_objects_win32.h"
#include "tests/graphics/drawing_test_support.h"

#include <windows.h>

namespace {

using namespace drawing_tests;

zrt::DrawingPort& port(const zrt::ObjectRef& graphics) { return *zrt::port_of(graphics.get()); }

class GraphicsDrawing : public DrawingTest {};

TEST_F(GraphicsDrawing, ForeColorReadsBackAsTheColourSet) {
  zrt::ObjectRef image = picture(4, 4);
  zrt::ObjectRef g = graphics_of(image);
  graphicsForeColorSetter(g.get(), 0, RuntimeRGB(255, 0, 128));
  EXPECT_EQ(graphicsForeColorGetter(g.get(), 0), 0xFF0080u);
  EXPECT_EQ(port(g).color().blue, 128 * 257);
  EXPECT_EQ(graphicsForeColorGetter(g.get(), 0) >> 16 & 0xFF, 255u);
}

TEST_F(GraphicsDrawing, FillRectColoursExactlyItsArea) {
  zrt::ObjectRef image = picture(20, 20);
  zrt::ObjectRef g = graphics_of(image);
  graphicsForeColorSetter(g.get(), 0, 0x00FF00);
  RuntimeGraphicsFillRect(g.get(), 0, 0, 10, 10);
  EXPECT_EQ(count_pixels(g, 20, 20, [](std::uint32_t c) { return c == 0x00FF00; }), 100);
  EXPECT_EQ(pixel(g, 9, 9), 0x00FF00u);
  EXPECT_EQ(pixel(g, 10, 9), k_white);
  EXPECT_EQ(pixel(g, 9, 10), k_white);
}

TEST_F(GraphicsDrawing, ExtremeSizesFillToTheEdgeAndBackwardsFillsNothing) {
  zrt::ObjectRef image = picture(10, 10);
  zrt::ObjectRef g = graphics_of(image);
  RuntimeGraphicsFillRect(g.get(), 5, 5, -3, -3);
  EXPECT_EQ(marked_pixels(g, 10, 10), "") << "a rectangle the wrong way round";
  RuntimeGraphicsFillRect(g.get(), 8, 8, INT32_MAX, INT32_MAX);
  EXPECT_EQ(marked_pixels(g, 10, 10), "8,8 9,8 8,9 9,9 ");
}

TEST_F(GraphicsDrawing, ClearRectFillsWhiteWhateverTheForeColor) {
  zrt::ObjectRef image = picture(10, 10);
  zrt::ObjectRef g = graphics_of(image);
  RuntimeGraphicsFillRect(g.get(), 0, 0, 10, 10);
  graphicsForeColorSetter(g.get(), 0, 0xFF0000);
  RuntimeGraphicsClearRect(g.get(), 2, 2, 3, 3);
  EXPECT_EQ(count_pixels(g, 10, 10, [](std::uint32_t c) { return c == k_white; }), 9);
}

TEST_F(GraphicsDrawing, LinesLeaveTheirEndPointUnset) {
  zrt::ObjectRef image = picture(20, 5);
  zrt::ObjectRef g = graphics_of(image);
  RuntimeGraphicsDrawLine(g.get(), 0, 0, 10, 0);
  EXPECT_EQ(marked_pixels(g, 20, 5), "0,0 1,0 2,0 3,0 4,0 5,0 6,0 7,0 8,0 9,0 ");
  EXPECT_EQ(port(g).pen_position().x, 10);
  EXPECT_EQ(port(g).pen_position().y, 0);
}

TEST_F(GraphicsDrawing, DrawRectOutlinesElevenByElevenPixels) {
  zrt::ObjectRef image = picture(15, 15);
  zrt::ObjectRef g = graphics_of(image);
  RuntimeGraphicsDrawRect(g.get(), 0, 0, 10, 10);
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 15; ++x) {
      const bool on_outline = x <= 10 && y <= 10 && (x == 0 || x == 10 || y == 0 || y == 10);
      EXPECT_EQ(pixel(g, x, y), on_outline ? k_black : k_white) << x << "," << y;
    }
}

TEST_F(GraphicsDrawing, PenHeightChangesNothingDrawn) {
  zrt::ObjectRef plain_image = picture(20, 20);
  zrt::ObjectRef tall_image = picture(20, 20);
  zrt::ObjectRef plain = graphics_of(plain_image);
  zrt::ObjectRef tall = graphics_of(tall_image);
  graphicsPenHeightSetter(tall.get(), 0, 5);
  EXPECT_EQ(graphicsPenHeightGetter(tall.get(), 0), 5);
  for (const zrt::ObjectRef* g : {&plain, &tall}) {
    RuntimeGraphicsDrawLine(g->get(), 2, 3, 17, 3);
    RuntimeGraphicsDrawRect(g->get(), 4, 6, 8, 8);
  }
  EXPECT_EQ(marked_pixels(tall, 20, 20), marked_pixels(plain, 20, 20));
}

TEST_F(GraphicsDrawing, PenWidthThickensLines) {
  zrt::ObjectRef image = picture(20, 20);
  zrt::ObjectRef g = graphics_of(image);
  graphicsPenWidthSetter(g.get(), 0, 3);
  RuntimeGraphicsDrawLine(g.get(), 5, 10, 15, 10);
  EXPECT_EQ(pixel(g, 10, 9), k_black);
  EXPECT_EQ(pixel(g, 10, 11), k_black);
  EXPECT_EQ(pixel(g, 10, 13), k_white);
}

TEST_F(GraphicsDrawing, OvalsAndRoundRectsGivenBackwardsAreNormalised) {
  zrt::ObjectRef forward_image = picture(30, 30);
  zrt::ObjectRef backward_image = picture(30, 30);
  zrt::ObjectRef forward = graphics_of(forward_image);
  zrt::ObjectRef backward = graphics_of(backward_image);
  RuntimeGraphicsDrawOval(forward.get(), 2, 2, 20, 12);
  RuntimeGraphicsFillRoundRect(forward.get(), 4, 16, 20, 10, 6, 6);
  RuntimeGraphicsDrawOval(backward.get(), 22, 14, -20, -12);
  RuntimeGraphicsFillRoundRect(backward.get(), 24, 26, -20, -10, 6, 6);
  EXPECT_FALSE(marked_pixels(forward, 30, 30).empty());
  EXPECT_EQ(marked_pixels(backward, 30, 30), marked_pixels(forward, 30, 30));
}

TEST_F(GraphicsDrawing, DrawOvalOutlinesAndFillOvalFillsWithoutOutline) {
  zrt::ObjectRef image = picture(30, 30);
  zrt::ObjectRef g = graphics_of(image);
  graphicsForeColorSetter(g.get(), 0, 0x0000FF);
  RuntimeGraphicsDrawOval(g.get(), 0, 0, 30, 30);
  EXPECT_EQ(pixel(g, 15, 15), k_white) << "no fill";
  EXPECT_EQ(pixel(g, 15, 0), 0x0000FFu);
  RuntimeGraphicsFillOval(g.get(), 0, 0, 30, 30);
  EXPECT_EQ(pixel(g, 15, 15), 0x0000FFu);
}

TEST_F(GraphicsDrawing, IconsDrawNothing) {
  zrt::ObjectRef image = picture(40, 40);
  zrt::ObjectRef g = graphics_of(image);
  graphicsDrawStopIcon(g.get(), 0, 0);
  graphicsDrawNoteIcon(g.get(), 4, 4);
  graphicsDrawCautionIcon(g.get(), 8, 8);
  EXPECT_EQ(marked_pixels(g, 40, 40), "");
}

TEST_F(GraphicsDrawing, PixelsSetAndReadBack) {
  zrt::ObjectRef image = picture(5, 5);
  zrt::ObjectRef g = graphics_of(image);
  graphicsPixelSetter(g.get(), 3, 2, 0x123456);
  EXPECT_EQ(pixel(g, 3, 2), 0x123456u);
  EXPECT_EQ(marked_pixels(g, 5, 5), "3,2 ");
  EXPECT_EQ(pixel(g, 50, 50), 0u) << "outside the bitmap";
}

TEST_F(GraphicsDrawing, WidthAndHeightAreTheTargetsAndPrinterFieldsAreZero) {
  zrt::ObjectRef image = picture(33, 17);
  zrt::ObjectRef g = graphics_of(image);
  EXPECT_EQ(graphicsWidthGetter(g.get(), 0), 33);
  EXPECT_EQ(graphicsHeightGetter(g.get(), 0), 17);
  EXPECT_EQ(graphicsCopiesGetter(g.get(), 0), 0);
  EXPECT_EQ(graphicsFirstPageGetter(g.get(), 0), 0);
  EXPECT_EQ(graphicsLastPageGetter(g.get(), 0), 0);
  RuntimeGraphicsNextPage(g.get());  // a picture has no pages: nothing happens
  EXPECT_EQ(marked_pixels(g, 33, 17), "");
}

TEST_F(GraphicsDrawing, OriginShiftsAndClipRectangleLimitsDrawing) {
  zrt::ObjectRef image = picture(10, 10);
  zrt::ObjectRef g = graphics_of(image);
  port(g).set_origin(5, 5);
  RuntimeGraphicsFillRect(g.get(), 5, 5, 1, 1);
  port(g).set_origin(0, 0);
  EXPECT_EQ(marked_pixels(g, 10, 10), "0,0 ");
  RuntimeGraphicsClearRect(g.get(), 0, 0, 10, 10);
  port(g).set_clip_rectangle(2, 3, 2, 1);
  RuntimeGraphicsFillRect(g.get(), 0, 0, 10, 10);
  EXPECT_EQ(marked_pixels(g, 10, 10), "2,3 3,3 ");
  port(g).set_clip_rectangle(0, 0, 0, 0);
  RuntimeGraphicsFillRect(g.get(), 9, 9, 1, 1);
  EXPECT_EQ(pixel(g, 9, 9), k_black) << "the clip rectangle is gone";
}

TEST_F(GraphicsDrawing, ClipRegionIntersectsTheClipRectangle) {
  zrt::ObjectRef image = picture(10, 10);
  zrt::ObjectRef g = graphics_of(image);
  port(g).set_clip_rectangle(0, 0, 5, 10);
  port(g).set_clip_region(::CreateRectRgn(4, 0, 10, 1));
  RuntimeGraphicsFillRect(g.get(), 0, 0, 10, 10);
  EXPECT_EQ(marked_pixels(g, 10, 10), "4,0 ");
}

TEST_F(GraphicsDrawing, PortsTakeTurnsWithoutLosingTheirState) {
  zrt::ObjectRef first_image = picture(4, 1);
  zrt::ObjectRef second_image = picture(4, 1);
  zrt::ObjectRef first = graphics_of(first_image);
  zrt::ObjectRef second = graphics_of(second_image);
  graphicsForeColorSetter(first.get(), 0, 0xFF0000);
  graphicsForeColorSetter(second.get(), 0, 0x0000FF);
  for (int x = 0; x < 4; ++x) {
    graphicsPixelSetter(first.get(), x, 0, graphicsForeColorGetter(first.get(), 0));
    RuntimeGraphicsFillRect(second.get(), x, 0, 1, 1);
  }
  EXPECT_EQ(count_pixels(first, 4, 1, [](std::uint32_t c) { return c == 0xFF0000; }), 4);
  EXPECT_EQ(count_pixels(second, 4, 1, [](std::uint32_t c) { return c == 0x0000FF; }), 4);
  EXPECT_EQ(zrt::DrawingPort::current(), zrt::port_of(second.get()));
}

TEST_F(GraphicsDrawing, CurrentPortKeepsItsContextAcrossCalls) {
  zrt::ObjectRef image = picture(4, 4);
  zrt::ObjectRef g = graphics_of(image);
  HDC first = port(g).prepare();
  RuntimeGraphicsFillRect(g.get(), 0, 0, 1, 1);
  EXPECT_EQ(port(g).prepare(), first);
}

TEST_F(GraphicsDrawing, NilGraphicsAndNilTextDoNothing) {
  RuntimeGraphicsDrawLine(nullptr, 0, 0, 5, 5);
  RuntimeGraphicsDrawString(nullptr, text("x").get(), 0, 0, 0);
  EXPECT_EQ(RuntimeGraphicsStringWidth(nullptr, text("x").get()), 0);
  EXPECT_EQ(graphicsWidthGetter(nullptr, 0), 0);
  zrt::ObjectRef image = picture(10, 10);
  zrt::ObjectRef g = graphics_of(image);
  RuntimeGraphicsDrawString(g.get(), nullptr, 0, 5, 0);
  EXPECT_EQ(RuntimeGraphicsStringWidth(g.get(), nullptr), 0);
  EXPECT_EQ(marked_pixels(g, 10, 10), "");
}

// Text: the baseline lies on y, with and without a wrap width.
class GraphicsText : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    m_image = picture(200, 120);
    m_graphics = graphics_of(m_image);
    graphicsTextFontSetter(m_graphics.get(), 0, text("Helvetica").get());
    graphicsTextSizeSetter(m_graphics.get(), 0, 16);
  }
  void TearDown() override {
    m_graphics = {};
    m_image = {};
    DrawingTest::TearDown();
  }
  zrt::ObjectRef m_image;
  zrt::ObjectRef m_graphics;
};

TEST_F(GraphicsText, BaselineIsOnTheGivenRow) {
  RuntimeGraphicsDrawString(m_graphics.get(), text("AH").get(), 10, 20, 0);
  const Ink ink = ink_of(m_graphics, 200, 120);
  EXPECT_EQ(ink.bottom, 19) << "letters without descenders end just above the baseline";
  EXPECT_GE(ink.top, 20 - RuntimeGraphicsTextAscent(m_graphics.get()));
}

TEST_F(GraphicsText, WrappedTextKeepsItsFirstBaselineAndBreaksAtWords) {
  RuntimeGraphicsDrawString(m_graphics.get(), text("AH").get(), 10, 20, 50);
  EXPECT_EQ(ink_of(m_graphics, 200, 120).bottom, 19);

  RuntimeGraphicsClearRect(m_graphics.get(), 0, 0, 200, 120);
  RuntimeGraphicsDrawString(m_graphics.get(), text("HH HH HH HH HH").get(), 10, 20, 50);
  const Ink ink = ink_of(m_graphics, 200, 120);
  EXPECT_LE(ink.right, 10 + 50) << "lines stay within the wrap width";
  EXPECT_GT(ink.bottom, 20 + RuntimeGraphicsTextHeight(m_graphics.get()) / 2) << "the text wrapped";
  int first_line_bottom = -1;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 200; ++x)
      if (pixel(m_graphics, x, y) != k_white) first_line_bottom = y;
  EXPECT_EQ(first_line_bottom, 19);
}

// At small sizes a system may draw a long run of text wider than it
// measures it, so a word judged to fit was cut at the wrap width. Wrapped
// in two lines, every letter is drawn whole: the ink equals that of the same
// text on one line of a wider wrap.
TEST_F(GraphicsText, WrappedWordsAreDrawnWholeAtSmallSizes) {
  const zrt::StringRef paragraph =
      text("If you export the plot data you may re-read the file with MS Excel to create the plot there.");
  auto ink_count = [&](std::int32_t wrap_width) {
    const zrt::ObjectRef image = picture(700, 60);
    const zrt::ObjectRef g = graphics_of(image);
    graphicsTextFontSetter(g.get(), 0, text("Helvetica").get());
    graphicsTextSizeSetter(g.get(), 0, 10);
    RuntimeGraphicsDrawString(g.get(), paragraph.get(), 0, 12, wrap_width);
    EXPECT_LE(ink_of(g, 700, 60).right, wrap_width - 1);
    return count_pixels(g, 700, 60, [](std::uint32_t colour) { return colour != k_white; });
  };
  EXPECT_EQ(ink_count(364), ink_count(699));
}

TEST_F(GraphicsText, AmpersandIsAnOrdinaryCharacterWhenWrapping) {
  const std::int32_t width = RuntimeGraphicsStringWidth(m_graphics.get(), text("A&B").get());
  RuntimeGraphicsDrawString(m_graphics.get(), text("A&B").get(), 0, 20, 150);
  EXPECT_GT(ink_of(m_graphics, 200, 120).right, width - 4) << "the & was drawn, not taken as a prefix";
}

TEST_F(GraphicsText, TextColourIsTheForeColorAndIsPutBack) {
  graphicsForeColorSetter(m_graphics.get(), 0, 0xFF0000);
  RuntimeGraphicsDrawString(m_graphics.get(), text("HHHH").get(), 0, 20, 0);
  EXPECT_GT(count_pixels(m_graphics, 200, 40, [](std::uint32_t c) { return c == 0xFF0000; }), 10);
  EXPECT_EQ(::GetTextColor(port(m_graphics).prepare()), RGB(0, 0, 0));
}

TEST_F(GraphicsText, HelveticaIsDrawnInArialAndReportedAsHelvetica) {
  HDC context = port(m_graphics).prepare_text();
  LOGFONTA font{};
  ::GetObjectA(::GetCurrentObject(context, OBJ_FONT), sizeof(font), &font);
  EXPECT_STREQ(font.lfFaceName, "Arial");
  EXPECT_EQ(font.lfHeight, -16);
  EXPECT_EQ(zrt::StringRef::adopt(graphicsTextFontGetter(m_graphics.get(), 0)).text(), "Helvetica");
}

TEST_F(GraphicsText, MetricsFollowTheTextSize) {
  const std::int32_t small_height = RuntimeGraphicsTextHeight(m_graphics.get());
  const std::int32_t small_width = RuntimeGraphicsStringWidth(m_graphics.get(), text("Width").get());
  EXPECT_GT(small_height, RuntimeGraphicsTextAscent(m_graphics.get()));
  graphicsTextSizeSetter(m_graphics.get(), 0, 32);
  EXPECT_GT(RuntimeGraphicsTextHeight(m_graphics.get()), small_height);
  EXPECT_GT(RuntimeGraphicsStringWidth(m_graphics.get(), text("Width").get()), small_width);
}

TEST_F(GraphicsText, StylesAreStoredAndMakeOtherFonts) {
  graphicsBoldSetter(m_graphics.get(), 0, 1);
  graphicsUnderlineSetter(m_graphics.get(), 0, 1);
  EXPECT_EQ(graphicsBoldGetter(m_graphics.get(), 0), 1);
  EXPECT_EQ(graphicsItalicGetter(m_graphics.get(), 0), 0);
  EXPECT_EQ(graphicsUnderlineGetter(m_graphics.get(), 0), 1);
  HDC context = port(m_graphics).prepare_text();
  LOGFONTA font{};
  ::GetObjectA(::GetCurrentObject(context, OBJ_FONT), sizeof(font), &font);
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_TRUE(font.lfUnderline);
  EXPECT_FALSE(font.lfItalic);
}

TEST_F(GraphicsText, TwoGraphicsWithTheSameSettingsShareOneFont) {
  zrt::ObjectRef other_image = picture(50, 50);
  zrt::ObjectRef other = graphics_of(other_image);
  graphicsTextFontSetter(other.get(), 0, text("helvetica").get());
  graphicsTextSizeSetter(other.get(), 0, 16);
  const std::int32_t height = RuntimeGraphicsTextHeight(m_graphics.get());
  EXPECT_EQ(RuntimeGraphicsTextHeight(other.get()), height);
  EXPECT_EQ(port(other).font(), port(m_graphics).font());
  EXPECT_EQ(zrt::cached_font_count(), 1u);

  graphicsTextSizeSetter(other.get(), 0, 30);
  EXPECT_GT(RuntimeGraphicsTextHeight(other.get()), height);
  EXPECT_NE(port(other).font(), port(m_graphics).font());
  EXPECT_EQ(graphicsTextSizeGetter(m_graphics.get(), 0), 16);
  EXPECT_EQ(RuntimeGraphicsTextHeight(m_graphics.get()), height);
}

}  // namespace
