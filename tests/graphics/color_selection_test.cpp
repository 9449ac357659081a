// Choosing a colour through the dialog seam: the layouts on each side and
// what a cancelled or refused choice leaves.
#include "runtime/graphics/color_dialog.h"

#include "runtime/interface/exports.h"

#include <gtest/gtest.h>

namespace {

std::uint32_t g_offered = 0;

bool choose_blue_system_color(std::uint32_t& system_color) {
  g_offered = system_color;
  system_color = 0xFF0000;  // blue in the system's layout
  return true;
}

bool cancel(std::uint32_t& system_color) {
  system_color = 0x123456;  // a dialog that scribbles before cancelling
  return false;
}

class ColorSelection : public ::testing::Test {
 protected:
  void TearDown() override { zrt::set_color_chooser(m_previous); }
  zrt::ColorChooser m_previous = zrt::set_color_chooser(nullptr);
};

TEST_F(ColorSelection, ConfirmedChoiceIsStoredInTheColorLayout) {
  zrt::set_color_chooser(&choose_blue_system_color);
  std::uint32_t variable = 0x102030;
  EXPECT_EQ(selectColor(&variable), 1);
  EXPECT_EQ(g_offered, 0x302010u) << "the dialog opens on the variable's colour";
  EXPECT_EQ(variable, 0x0000FFu);
}

TEST_F(ColorSelection, CancelledChoiceLeavesTheVariableAlone) {
  zrt::set_color_chooser(&cancel);
  std::uint32_t variable = 0x102030;
  EXPECT_EQ(selectColor(&variable), 0);
  EXPECT_EQ(variable, 0x102030u);
}

TEST_F(ColorSelection, NilVariableShowsNoDialog) {
  g_offered = 0xDEAD;
  zrt::set_color_chooser(&choose_blue_system_color);
  EXPECT_EQ(selectColor(nullptr), 0);
  EXPECT_EQ(g_offered, 0xDEADu);
}

}  // namespace
