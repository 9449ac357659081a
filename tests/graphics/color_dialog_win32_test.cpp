// The system colour dialog behind selectColor, answered from another thread
// as a user would: it opens on the variable's colour, and OK gives that
// colour back in the Color layout while Cancel leaves the variable alone.
#include "runtime/graphics/color_dialog.h"
#include "runtime/interface/exports.h"
#include "tests/driver/gui_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

constexpr int k_red_box = 706;  // the dialog's edit box of the red component
constexpr int k_blue_box = 708;

struct Answer {
  bool appeared = false;
  std::string red;
  std::string blue;
};

// Reads the components the first colour dialog of this process shows, then
// presses the button.
std::thread answer_color_dialog(WPARAM button, Answer& answer) {
  return std::thread([button, &answer] {
    HWND dialog = driver::wait_for_window("#32770", "", ::GetCurrentProcessId());
    answer.appeared = dialog != nullptr;
    if (!answer.appeared) return;
    answer.red = driver::window_text(::GetDlgItem(dialog, k_red_box));
    answer.blue = driver::window_text(::GetDlgItem(dialog, k_blue_box));
    ::PostMessageA(dialog, WM_COMMAND, button, 0);
  });
}

TEST(SystemColorDialog, ConfirmingGivesBackTheColourItOpenedOn) {
  ASSERT_EQ(zrt::set_color_chooser(nullptr), zrt::system_color_chooser());
  std::uint32_t variable = 0x102030;
  Answer answer;
  std::thread answering = answer_color_dialog(IDOK, answer);
  const std::int32_t chosen = selectColor(&variable);
  answering.join();
  ASSERT_TRUE(answer.appeared) << "no colour dialog appeared";
  EXPECT_EQ(answer.red, "16") << "the dialog shows red 0x10";
  EXPECT_EQ(answer.blue, "48");
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(variable, 0x102030u);
}

TEST(SystemColorDialog, CancellingLeavesTheVariableAlone) {
  std::uint32_t variable = 0xABCDEF;
  Answer answer;
  std::thread answering = answer_color_dialog(IDCANCEL, answer);
  const std::int32_t chosen = selectColor(&variable);
  answering.join();
  ASSERT_TRUE(answer.appeared) << "no colour dialog appeared";
  EXPECT_EQ(chosen, 0);
  EXPECT_EQ(variable, 0xABCDEFu);
}

}  // namespace
