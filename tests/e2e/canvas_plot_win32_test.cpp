// A compiled program whose canvas draws a small plot into a depth-8 picture
// and the picture into itself (canvas_plot.zs), started as its own process:
// the canvas's pixels are compared one by one with the drawing.
#include "tests/driver/gui_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

namespace {

constexpr int canvas_left = 20;
constexpr int canvas_top = 10;
constexpr int canvas_width = 200;
constexpr int canvas_height = 150;

constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t red = 0xFF0000;
constexpr std::uint32_t blue = 0x0000FF;

// The colour of a point of the plot: the frame, the block of 50 by 40 at
// (20, 30), and the line from (100, 140) towards (190, 50), which stops
// before its end point.
std::uint32_t expected_colour(int x, int y) {
  if (x == 0 || y == 0 || x == canvas_width - 1 || y == canvas_height - 1) return black;
  if (x >= 20 && x < 70 && y >= 30 && y < 70) return red;
  if (x >= 100 && x < 190 && x - 100 == 140 - y) return blue;
  return white;
}

std::uint32_t canvas_pixel(const driver::Image& image, int x, int y) {
  return image.at(canvas_left + x, canvas_top + y) & 0xFFFFFF;
}

TEST(CanvasPlot, ThePictureDrawnInPaintShowsInTheCanvasPixelForPixel) {
  driver::Process program(std::string("\"") + Z_CANVAS_PLOT_EXE + "\"");
  ASSERT_TRUE(program.started()) << "cannot start " << Z_CANVAS_PLOT_EXE;
  HWND window = driver::wait_for_window("ZTWindow", "Canvas plot");
  ASSERT_NE(window, nullptr) << "the window did not appear";

  // The first paint has come when the block is there.
  const driver::Image image = driver::capture_client_when(window, [](const driver::Image& shown) {
    return shown.width > canvas_left + 30 && canvas_pixel(shown, 30, 40) == red;
  });
  ASSERT_GE(image.width, canvas_left + canvas_width);
  ASSERT_GE(image.height, canvas_top + canvas_height);
  int wrong = 0;
  std::string first_wrong;
  for (int y = 0; y < canvas_height; ++y)
    for (int x = 0; x < canvas_width; ++x)
      if (canvas_pixel(image, x, y) != expected_colour(x, y) && wrong++ == 0)
        first_wrong = "(" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                      std::to_string(canvas_pixel(image, x, y)) + ", not " + std::to_string(expected_colour(x, y));
  EXPECT_EQ(wrong, 0) << "first: " << first_wrong;

  ::PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.wait(), 0u);
}

}  // namespace
