// The frame table (kinds, default placements, styles, modal and resizable
// kinds) and the placement of new windows.
#include "runtime/ui/frame_table.h"
#include "runtime/ui/placement.h"

#include <gtest/gtest.h>

namespace {

namespace style = zrt::window_style;

TEST(FrameTable, MapsEachFrameToItsKindAndDefaultPlacement) {
  const std::pair<int, int> expected[] = {{8, 4}, {3, 2}, {2, 2}, {1, 0}, {4, 2}, {5, 2}, {6, 4}, {9, 0}};
  for (int frame = 0; frame < 8; ++frame) {
    const auto choice = zrt::choose_frame(frame);
    ASSERT_TRUE(choice) << frame;
    EXPECT_EQ(choice->kind, expected[frame].first) << frame;
    EXPECT_EQ(choice->default_placement, expected[frame].second) << frame;
  }
  EXPECT_FALSE(zrt::choose_frame(-1));
  EXPECT_FALSE(zrt::choose_frame(8));
}

TEST(FrameTable, DocumentStylesFollowTheFrameOptions) {
  const auto plain = zrt::styles_of_kind(8, {}, false);
  EXPECT_EQ(plain.style, style::caption | style::border);
  EXPECT_EQ(plain.extended, 0u);
  const auto full = zrt::styles_of_kind(8, {true, true, true}, false);
  EXPECT_EQ(full.style, style::caption | style::thick_frame | style::minimize_box | style::maximize_box | style::system_menu);
  EXPECT_EQ(zrt::styles_of_kind(0, {true, false, false}, false).style, zrt::styles_of_kind(8, {true, false, false}, false).style);
}

TEST(FrameTable, DialogAndFloatingKindsTakeTheMdiChildStyleOnlyInMdiMode) {
  EXPECT_EQ(zrt::styles_of_kind(3, {}, false).extended, style::ex_dialog_modal_frame);
  EXPECT_EQ(zrt::styles_of_kind(3, {}, true).extended, style::ex_dialog_modal_frame | style::ex_mdi_child);
  EXPECT_EQ(zrt::styles_of_kind(1, {}, false).extended, style::ex_topmost | style::ex_tool_window | style::ex_window_edge);
  EXPECT_EQ(zrt::styles_of_kind(2, {true, true, true}, true).style, style::popup | style::dialog_frame);
  EXPECT_EQ(zrt::styles_of_kind(6, {true, true, false}, false).style, style::caption | style::system_menu)
      << "a movable modeless window never gets a thick frame";
  EXPECT_EQ(zrt::styles_of_kind(9, {false, true, false}, false).style, style::popup | style::thick_frame);
}

TEST(FrameTable, ModalResizableAndRefocusingKinds) {
  for (zrt::WindowKind kind = 0; kind < 10; ++kind) {
    const bool modal = kind == 2 || kind == 3 || kind == 4 || kind == 5 || kind == 7;
    EXPECT_EQ(zrt::is_modal_kind(kind), modal) << int{kind};
    EXPECT_EQ(zrt::refocuses_on_activation(kind), kind != 1 && kind != 7) << int{kind};
  }
  EXPECT_TRUE(zrt::is_resizable_kind(8, {false, true, false}));
  EXPECT_FALSE(zrt::is_resizable_kind(8, {true, false, true}));
  EXPECT_FALSE(zrt::is_resizable_kind(6, {false, true, false}));
  EXPECT_TRUE(zrt::is_resizable_kind(9, {false, true, false}));
}

constexpr zrt::ScreenSize screen{1024, 768};

zrt::Bounds sized(std::int16_t width, std::int16_t height) { return {0, 0, height, width}; }

TEST(Placement, DefaultPlacementOfDocumentWindowsIsTenFifty) {
  EXPECT_EQ(zrt::place_bounds(sized(366, 532), 4, screen), (zrt::Bounds{50, 10, 582, 376}));
}

TEST(Placement, CentresHorizontallyWithTheTopAtAQuarterOfTheFreeHeight) {
  EXPECT_EQ(zrt::place_bounds(sized(301, 201), 2, screen), (zrt::Bounds{141, 361, 342, 662}));
  EXPECT_EQ(zrt::place_bounds(sized(301, 201), 1, screen), zrt::place_bounds(sized(301, 201), 2, screen));
  EXPECT_EQ(zrt::place_bounds(sized(301, 201), 3, screen), zrt::place_bounds(sized(301, 201), 2, screen));
}

TEST(Placement, CentringAWindowWiderThanTheScreenTruncatesTowardZero) {
  EXPECT_EQ(zrt::place_bounds(sized(1031, 775), 2, screen), (zrt::Bounds{-1, -3, 774, 1028}));
}

TEST(Placement, ZeroAndUnknownPlacements) {
  EXPECT_EQ(zrt::place_bounds(sized(10, 10), 0, screen), (zrt::Bounds{100, 4, 110, 14}));
  EXPECT_EQ(zrt::place_bounds(sized(10, 10), 5, screen), sized(10, 10));
  EXPECT_EQ(zrt::place_bounds(sized(10, 10), -1, screen), sized(10, 10));
}

}  // namespace
