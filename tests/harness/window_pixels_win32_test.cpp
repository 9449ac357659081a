// A real Win32 window on the test display: what is drawn into it can be read
// back pixel for pixel through the driver's capture.
#include <gtest/gtest.h>

#include "tests/driver/gui_driver.h"

namespace {

constexpr COLORREF k_red = RGB(255, 0, 0);

LRESULT CALLBACK paint_red_square(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_PAINT) return ::DefWindowProcA(window, message, wparam, lparam);
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(window, &paint);
  RECT all{};
  ::GetClientRect(window, &all);
  ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  HBRUSH red = ::CreateSolidBrush(k_red);
  const RECT square{10, 20, 30, 40};
  ::FillRect(dc, &square, red);
  ::DeleteObject(red);
  ::EndPaint(window, &paint);
  return 0;
}

void pump_messages() {
  MSG message;
  for (int turn = 0; turn < 50; ++turn) {
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    ::Sleep(10);
  }
}

}  // namespace

TEST(WindowPixels, FilledRectangleReadsBackExactly) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = paint_red_square;
  window_class.hInstance = ::GetModuleHandleA(nullptr);
  window_class.lpszClassName = "HarnessPixels";
  ASSERT_NE(::RegisterClassA(&window_class), 0);
  HWND window = ::CreateWindowExA(0, "HarnessPixels", "pixels", WS_POPUP | WS_VISIBLE, 100, 100, 64, 64,
                                  nullptr, nullptr, window_class.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  ::UpdateWindow(window);
  pump_messages();

  const driver::Image image = driver::capture_client(window);
  ASSERT_EQ(image.width, 64);
  ASSERT_EQ(image.height, 64);
  int red_pixels = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const bool inside = x >= 10 && x < 30 && y >= 20 && y < 40;
      EXPECT_EQ(image.at(x, y), inside ? 0xFF0000u : 0xFFFFFFu) << "at " << x << "," << y;
      red_pixels += image.at(x, y) == 0xFF0000u;
    }
  EXPECT_EQ(red_pixels, 400);
  ::DestroyWindow(window);
}
