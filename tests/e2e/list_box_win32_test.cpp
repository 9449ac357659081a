// A compiled program with a list like the application's main list
// (list_box.zs), driven from outside: the rows' pixels, a click, a
// Shift-click, a double click, the folder triangle, the scroll bar, the keys
// and a disabled list.
#include "tests/driver/gui_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int row_height = 18;
constexpr int triangle_left = 5;

std::uint32_t system_colour(int index) {
  const COLORREF colour = ::GetSysColor(index);
  return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

// The list's own window: a child with a vertical scroll bar of that width.
HWND list_pane(HWND window, int width) {
  for (HWND child : driver::child_windows(window)) {
    RECT area{};
    ::GetWindowRect(child, &area);
    if ((::GetWindowLongA(child, GWL_STYLE) & WS_VSCROLL) != 0 && area.right - area.left == width) return child;
  }
  return nullptr;
}

// Polls until the title holds the text; gives the last title.
std::string title_with(HWND window, const std::string& wanted) {
  std::string title;
  driver::wait_until([&] {
    title = driver::window_text(window);
    return title.find(wanted) != std::string::npos;
  });
  return title;
}

void click(HWND pane, int x, int y, WPARAM keys = 0) {
  ::PostMessageA(pane, WM_LBUTTONDOWN, keys | MK_LBUTTON, MAKELPARAM(x, y));
  ::PostMessageA(pane, WM_LBUTTONUP, keys, MAKELPARAM(x, y));
}

int count_in_row(const driver::Image& image, int y, int from, int to, std::uint32_t colour) {
  int count = 0;
  for (int x = from; x < to; ++x) count += (image.at(x, y) & 0xFFFFFF) == colour;
  return count;
}

int count_in_column(const driver::Image& image, int x, int from, int to, std::uint32_t colour) {
  int count = 0;
  for (int y = from; y < to; ++y) count += (image.at(x, y) & 0xFFFFFF) == colour;
  return count;
}

// Whether the row at that place in the view (0 is the top one) shows the
// selection's background.
bool highlighted_in_view(const driver::Image& image, int place) {
  return (image.at(150, place * row_height) & 0xFFFFFF) == system_colour(COLOR_HIGHLIGHT);
}

TEST(ListBox, ACompiledListDrawsSelectsExpandsAndScrollsAsTheUserDrivesIt) {
  driver::Process program(std::string("\"") + Z_LIST_BOX_EXE + "\"");
  ASSERT_TRUE(program.started()) << "cannot start " << Z_LIST_BOX_EXE;
  HWND window = driver::wait_for_window("ZTWindow", "changes 0 doubles 0 index -1 selected 0 caught");
  ASSERT_NE(window, nullptr) << "the window did not appear, or reading beyond the last row was not caught";
  HWND list = list_pane(window, 201);
  HWND disabled = list_pane(window, 160);
  ASSERT_NE(list, nullptr);
  ASSERT_NE(disabled, nullptr);
  const std::uint32_t highlight = system_colour(COLOR_HIGHLIGHT);
  const std::uint32_t background = system_colour(COLOR_WINDOW);
  const std::uint32_t shadow = system_colour(COLOR_BTNSHADOW);

  // A click selects row 1 alone, once; its background fills exactly one row
  // of 18 pixels (the font is smaller), with its text in the highlight's
  // text colour.
  click(list, 60, row_height + 5);
  EXPECT_EQ(title_with(window, "changes 1 "), "changes 1 doubles 0 index 1 selected 1 caught");
  driver::Image image = driver::capture_client_when(list, [&](const driver::Image& shown) {
    return (shown.at(150, row_height) & 0xFFFFFF) == highlight;
  });
  EXPECT_EQ(image.at(150, row_height - 1) & 0xFFFFFF, background);
  EXPECT_EQ(image.at(150, row_height) & 0xFFFFFF, highlight);
  EXPECT_EQ(image.at(150, 2 * row_height - 1) & 0xFFFFFF, highlight);
  EXPECT_EQ(image.at(150, 2 * row_height) & 0xFFFFFF, background);
  int text_pixels = 0;
  for (int y = row_height; y < 2 * row_height; ++y)
    text_pixels += count_in_row(image, y, 20, 90, system_colour(COLOR_HIGHLIGHTTEXT));
  EXPECT_GT(text_pixels, 10) << "the selected row's text";
  EXPECT_EQ(count_in_row(image, row_height + 9, 150, 180, highlight), 30) << "column 1's short text, nothing after";

  // Shift-click extends from row 1 to row 4.
  click(list, 60, 4 * row_height + 5, MK_SHIFT);
  EXPECT_EQ(title_with(window, "changes 2 "), "changes 2 doubles 0 index 1 selected 4 caught");

  // The folder's triangle points right. A double click on row 3 selects it
  // and raises DoubleClick, whose handler sets Expanded(0) = True: the child
  // goes in under the folder, the selected row moves down, and the triangle
  // points down. A click on the triangle closes the folder again.
  const int middle = row_height / 2;
  const auto points_right = [&](const driver::Image& shown) {
    return count_in_column(shown, triangle_left + 2, 0, row_height, shadow) >= 8;
  };
  const auto points_down = [&](const driver::Image& shown) {
    return count_in_row(shown, middle - 3, triangle_left, triangle_left + 11, shadow) >= 8;
  };
  EXPECT_TRUE(points_right(driver::capture_client(list)));
  click(list, 60, 3 * row_height + 5);
  click(list, 60, 3 * row_height + 5);
  EXPECT_EQ(title_with(window, "doubles 1"), "changes 3 doubles 1 index 4 selected 1 caught");
  image = driver::capture_client_when(list, points_down);
  EXPECT_TRUE(points_down(image));
  EXPECT_FALSE(points_right(image));
  click(list, triangle_left + 4, middle);
  EXPECT_TRUE(points_right(driver::capture_client_when(list, points_right)));

  // The scroll bar scrolls: a click on the top row of the view then selects
  // a row further down. End selects the last row and scrolls it into the
  // bottom place of the view; Home scrolls back. (The scroll position is read
  // through what the user sees: another process's scroll bar reads as 0
  // under Wine.)
  ::PostMessageA(list, WM_VSCROLL, SB_PAGEDOWN, 0);
  click(list, 60, 5);
  const std::string after_page = title_with(window, "changes 4 ");
  int top_row = 0;
  ASSERT_EQ(std::sscanf(after_page.c_str(), "changes 4 doubles 1 index %d", &top_row), 1) << after_page;
  EXPECT_GT(top_row, 20);
  driver::send_key(list, VK_END);
  EXPECT_EQ(title_with(window, "index 299"), "changes 5 doubles 1 index 299 selected 1 caught");
  RECT client{};
  ::GetClientRect(list, &client);
  const int bottom_place = client.bottom / row_height - 1;
  EXPECT_TRUE(highlighted_in_view(
      driver::capture_client_when(list, [&](const driver::Image& shown) { return highlighted_in_view(shown, bottom_place); }),
      bottom_place));
  driver::send_key(list, VK_HOME);
  EXPECT_EQ(title_with(window, "index 0 "), "changes 6 doubles 1 index 0 selected 1 caught");
  EXPECT_TRUE(highlighted_in_view(
      driver::capture_client_when(list, [&](const driver::Image& shown) { return highlighted_in_view(shown, 0); }), 0));

  // A disabled list shows grey text and no selection.
  image = driver::capture_client(disabled);
  int grey = 0;
  for (int y = 0; y < row_height; ++y) {
    grey += count_in_row(image, y, 0, 100, 0x888888);
    EXPECT_EQ(count_in_row(image, y, 0, 100, highlight), 0) << "row " << y;
  }
  EXPECT_GT(grey, 10);

  ::PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.wait(), 0u);
}

}  // namespace
