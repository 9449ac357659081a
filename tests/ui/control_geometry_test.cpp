#include "runtime/ui/control_geometry.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

Bounds rectangle(std::int16_t left, std::int16_t top, std::int16_t width, std::int16_t height) {
  return {top, left, static_cast<std::int16_t>(top + height), static_cast<std::int16_t>(left + width)};
}

TEST(ControlPosition, WidthMovesTheRightEdgeAndLeftKeepsTheWidth) {
  Bounds bounds = with_position_value(rectangle(242, 9, 24, 16), select_width, 99);
  EXPECT_EQ(bounds.right, 341);
  bounds = with_position_value(bounds, select_left, 10);
  EXPECT_EQ(bounds.left, 10);
  EXPECT_EQ(position_value(bounds, select_width), 99);
  bounds = with_position_value(bounds, select_top, 100);
  EXPECT_EQ(position_value(bounds, select_height), 16);
  EXPECT_EQ(position_value(bounds, select_top), 100);
}

TEST(ControlPosition, OtherSelectorsReadZeroAndChangeNothing) {
  const Bounds bounds = rectangle(5, 6, 7, 8);
  EXPECT_EQ(position_value(bounds, 4), 0);
  EXPECT_EQ(position_value(bounds, -1), 0);
  EXPECT_EQ(with_position_value(bounds, 4, 100), bounds);
}

TEST(ControlPosition, ValuesWrapToSixteenBits) {
  const Bounds bounds = with_position_value(rectangle(0, 0, 10, 10), select_left, 32768);
  EXPECT_EQ(position_value(bounds, select_left), -32768);
  EXPECT_EQ(position_value(bounds, select_width), 10);
}

TEST(ControlLocks, RightLockMovesAndBothLocksStretch) {
  const Bounds button = rectangle(242, 495, 99, 20);
  // LockTop and LockRight: moves with the right edge, keeps its size.
  const Bounds moved = locked_layout(button, {.top = true, .right = true}, 30, 40);
  EXPECT_EQ(moved, rectangle(272, 495, 99, 20));
  // LockLeft, LockTop and LockBottom: stretches vertically only.
  const Bounds list = rectangle(14, 30, 201, 488);
  EXPECT_EQ(locked_layout(list, {.left = true, .top = true, .bottom = true}, 30, 40), rectangle(14, 30, 201, 528));
  // LockBottom alone: moves down.
  EXPECT_EQ(locked_layout(list, {.bottom = true}, 30, 40), rectangle(14, 70, 201, 488));
  // LockLeft and LockTop alone change nothing.
  EXPECT_EQ(locked_layout(list, {.left = true, .top = true}, 30, 40), list);
}

TEST(ControlContainer, EnclosureIncludesTheEdges) {
  const Bounds canvas = rectangle(15, 15, 526, 378);
  EXPECT_TRUE(encloses(canvas, canvas));
  EXPECT_TRUE(encloses(canvas, rectangle(20, 20, 50, 10)));
  EXPECT_FALSE(encloses(canvas, rectangle(14, 20, 50, 10)));
  EXPECT_FALSE(encloses(canvas, rectangle(500, 20, 42, 10)));
}

}  // namespace
}  // namespace zrt
