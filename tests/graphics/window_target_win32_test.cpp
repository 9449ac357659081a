// Drawing into a plain Win32 window through a graphics object on a window
// target, read back from the screen.
#include "runtime/graphics/graphics_objects_win32.h"
#include "runtime/graphics/window_target_win32.h"
#include "tests/driver/gui_driver.h"
#include "tests/graphics/drawing_test_support.h"

#include <memory>

namespace {

using namespace drawing_tests;

LRESULT CALLBACK white_window(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_ERASEBKGND) {
    RECT all{};
    ::GetClientRect(window, &all);
    ::FillRect(reinterpret_cast<HDC>(wparam), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    return 1;
  }
  return ::DefWindowProcA(window, message, wparam, lparam);
}

void pump_messages() {
  MSG message;
  for (int turn = 0; turn < 20; ++turn) {
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    ::Sleep(10);
  }
}

class WindowTargetDrawing : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = white_window;
    window_class.hInstance = ::GetModuleHandleA(nullptr);
    window_class.lpszClassName = "GraphicsTestWindow";
    ::RegisterClassA(&window_class);
    m_window = ::CreateWindowExA(0, "GraphicsTestWindow", "graphics", WS_POPUP | WS_VISIBLE, 50, 60, 80, 40,
                                 nullptr, nullptr, window_class.hInstance, nullptr);
    ASSERT_NE(m_window, nullptr);
    pump_messages();
    m_graphics = zrt::ObjectRef::adopt(
        zrt::new_graphics(std::make_unique<zrt::WindowTarget>(m_window), zrt::FontRequest{"Helvetica", 14}));
  }
  void TearDown() override {
    m_graphics = {};
    ::DestroyWindow(m_window);
    DrawingTest::TearDown();
  }
  HWND m_window = nullptr;
  zrt::ObjectRef m_graphics;
};

TEST_F(WindowTargetDrawing, FillsLandOnTheWindowsPixels) {
  EXPECT_EQ(graphicsWidthGetter(m_graphics.get(), 0), 80);
  EXPECT_EQ(graphicsHeightGetter(m_graphics.get(), 0), 40);
  graphicsForeColorSetter(m_graphics.get(), 0, 0xFF0000);
  RuntimeGraphicsFillRect(m_graphics.get(), 10, 5, 20, 10);
  const driver::Image image = driver::capture_client(m_window);
  int red = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const bool inside = x >= 10 && x < 30 && y >= 5 && y < 15;
      EXPECT_EQ(image.at(x, y), inside ? 0xFF0000u : k_white) << x << "," << y;
      red += inside ? 1 : 0;
    }
  EXPECT_EQ(red, 200);
}

TEST_F(WindowTargetDrawing, StartsWithTheOwnersFont) {
  EXPECT_EQ(zrt::StringRef::adopt(graphicsTextFontGetter(m_graphics.get(), 0)).text(), "Helvetica");
  EXPECT_EQ(graphicsTextSizeGetter(m_graphics.get(), 0), 14);
}

TEST_F(WindowTargetDrawing, PictureCopiedIntoTheWindow) {
  zrt::ObjectRef image = picture(8, 8, 8);
  zrt::ObjectRef g = graphics_of(image);
  RuntimeGraphicsFillRect(g.get(), 0, 0, 4, 8);
  constexpr std::int32_t d = -10000;
  RuntimeGraphicsDrawPicture(m_graphics.get(), image.get(), 40, 20, d, d, 0, 0, d, d);
  const driver::Image shown = driver::capture_client(m_window);
  EXPECT_EQ(shown.at(40, 20), k_black);
  EXPECT_EQ(shown.at(43, 27), k_black);
  EXPECT_EQ(shown.at(44, 20), k_white);
  EXPECT_EQ(shown.at(39, 20), k_white);
}

TEST_F(WindowTargetDrawing, ADestroyedWindowDrawsNothing) {
  RuntimeGraphicsFillRect(m_graphics.get(), 0, 0, 5, 5);
  ::DestroyWindow(m_window);
  zrt::cut_graphics_off(m_graphics.get());
  RuntimeGraphicsFillRect(m_graphics.get(), 0, 0, 5, 5);
  EXPECT_EQ(graphicsWidthGetter(m_graphics.get(), 0), 0);
}

}  // namespace
