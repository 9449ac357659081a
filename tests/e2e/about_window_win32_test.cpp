// The delivered program, started as a user starts it: its About window
// opens with the size and place of its definition and draws its texts;
// "OK" or Return closes it and asks for the Gaussian file (cancelling ends
// the program), its close box ends the program at once.
#include "tests/driver/gui_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int about_width = 390;
constexpr int about_height = 249;

class AboutWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_program.started()) << "cannot start " << Z_QUELLIX_EXE;
    m_window = driver::wait_for_window("ZTWindow", "About...");
    ASSERT_NE(m_window, nullptr) << "the About window did not appear";
  }

  driver::Process m_program{std::string("\"") + Z_QUELLIX_EXE + "\""};
  HWND m_window = nullptr;
};

// Text is drawn in black on the light button face.
int dark_pixels(const driver::Image& image, int left, int top, int right, int bottom) {
  int dark = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const std::uint32_t pixel = image.at(x, y);
      if (((pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF)) < 3 * 96) ++dark;
    }
  return dark;
}

TEST_F(AboutWindow, OpensCentredAQuarterDownAndClosesWithOk) {
  RECT client{};
  ::GetClientRect(m_window, &client);
  EXPECT_EQ(client.right, about_width);
  EXPECT_EQ(client.bottom, about_height);
  POINT origin{0, 0};
  ::ClientToScreen(m_window, &origin);
  EXPECT_NEAR(origin.x, (::GetSystemMetrics(SM_CXSCREEN) - about_width) / 2, 1);
  EXPECT_NEAR(origin.y, (::GetSystemMetrics(SM_CYSCREEN) - about_height) / 4, 1);

  ::Sleep(500);  // the first paint
  const driver::Image image = driver::capture_client(m_window);
  ASSERT_EQ(image.width, about_width);
  EXPECT_GT(dark_pixels(image, 13, 13, 277, 40), 20) << "the title text";
  EXPECT_GT(dark_pixels(image, 13, 47, 377, 127), 200) << "the first long text";
  EXPECT_GT(dark_pixels(image, 13, 131, 377, 206), 200) << "the second long text";
  EXPECT_EQ(dark_pixels(image, 290, 13, 380, 40), 0) << "nothing beside the title";
  // `make screenshots` asks for the picture the README shows.
  if (const char* folder = std::getenv("Z_SCREENSHOT_DIR")) {
    EXPECT_TRUE(driver::save_png(image, std::string(folder) + "\\about-window.png"));
  }

  HWND ok = driver::find_child(m_window, "Button", "OK");
  ASSERT_NE(ok, nullptr);
  driver::press_button(ok);
  EXPECT_TRUE(driver::cancel_file_dialog(m_program.id())) << "no open dialog after OK";
  EXPECT_EQ(m_program.wait(), 0u);
}

TEST_F(AboutWindow, ItsCloseBoxEndsTheProgramWithoutAMainWindow) {
  ::PostMessageA(m_window, WM_CLOSE, 0, 0);
  EXPECT_EQ(m_program.wait(), 0u);
  EXPECT_EQ(driver::find_window("", "Quellix 1.0", m_program.id()), nullptr);
}

// "OK" is the default button.
TEST_F(AboutWindow, ClosesWithReturn) {
  driver::send_key(m_window, VK_RETURN);
  EXPECT_TRUE(driver::cancel_file_dialog(m_program.id())) << "no open dialog after Return";
  EXPECT_EQ(m_program.wait(), 0u);
}

}  // namespace
