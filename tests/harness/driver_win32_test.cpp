// The driver steering a separate process, as the end-to-end tests do.
#include <gtest/gtest.h>

#include "tests/driver/gui_driver.h"

namespace {

std::string helper_path() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string directory(path);
  return directory.substr(0, directory.find_last_of('\\') + 1) + "driver_helper.exe";
}

}  // namespace

TEST(Driver, DrivesAnotherProcessThroughButtonTextAndMessageBox) {
  driver::Process helper('"' + helper_path() + '"');
  ASSERT_TRUE(helper.started());
  HWND window = driver::wait_for_window("DriverHelper", "Driver Helper");
  ASSERT_NE(window, nullptr);

  HWND edit = driver::find_child(window, "Edit", "");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(driver::window_text(edit), "start");
  driver::set_window_text(edit, "twelve chars");
  EXPECT_EQ(driver::window_text(edit), "twelve chars");

  HWND button = driver::find_child(window, "Button", "Greet");
  ASSERT_NE(button, nullptr);
  driver::press_button(button);
  EXPECT_EQ(driver::answer_message_box(helper.id()), "Hello from the helper");

  ::PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(helper.wait(), 12u);
}

TEST(Driver, WritesCaptureAsPng) {
  driver::Image image{2, 1, {0xFF0000, 0x0000FF}};
  const std::string path = "driver_capture_test.png";
  ASSERT_TRUE(driver::save_png(image, path));
  FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  unsigned char signature[8] = {};
  EXPECT_EQ(std::fread(signature, 1, 8, file), 8u);
  std::fclose(file);
  EXPECT_EQ(signature[1], 'P');
  std::remove(path.c_str());
}
