// Shape corners and the defaulted rectangles of picture copies.
#include "runtime/graphics/drawing_geometry.h"

#include <gtest/gtest.h>

namespace {

using zrt::Area;
using zrt::Corners;
constexpr std::int32_t k_default = zrt::default_size_request;

TEST(ShapeCorners, RectanglesGivenTheWrongWayRoundAreSwapped) {
  EXPECT_EQ(zrt::normalized_corners(10, 20, 30, 40), (Corners{10, 20, 40, 60}));
  EXPECT_EQ(zrt::normalized_corners(40, 60, -30, -40), (Corners{10, 20, 40, 60}));
  EXPECT_EQ(zrt::normalized_corners(10, 60, 30, -40), (Corners{10, 20, 40, 60}));
}

TEST(ShapeCorners, ExtremeSizesClampInsteadOfWrapping) {
  EXPECT_EQ(zrt::normalized_corners(INT32_MAX - 1, 0, 10, 1), (Corners{INT32_MAX - 1, 0, INT32_MAX, 1}));
  EXPECT_EQ(zrt::normalized_corners(INT32_MIN + 1, 0, -10, 1), (Corners{INT32_MIN, 0, INT32_MIN + 1, 1}));
}

TEST(ShapeCorners, FarEdgesClampAtTheIntegerLimits) {
  EXPECT_EQ(zrt::far_edge(10, 5), 15);
  EXPECT_EQ(zrt::far_edge(INT32_MAX, 1), INT32_MAX);
  EXPECT_EQ(zrt::far_edge(INT32_MIN, -1), INT32_MIN);
}

TEST(PictureCopies, AllDefaultsCopyTheWholePictureUnscaled) {
  const zrt::PictureCopy copy =
      zrt::resolve_picture_copy({0, 0, k_default, k_default}, {0, 0, k_default, k_default}, 526, 378);
  EXPECT_EQ(copy.destination, (Area{0, 0, 526, 378}));
  EXPECT_EQ(copy.source, (Area{0, 0, 526, 378}));
}

TEST(PictureCopies, SourceSizeFollowsAGivenDestinationSize) {
  const zrt::PictureCopy copy =
      zrt::resolve_picture_copy({5, 6, 100, k_default}, {1, 2, k_default, k_default}, 50, 40);
  EXPECT_EQ(copy.destination, (Area{5, 6, 100, 40}));
  EXPECT_EQ(copy.source, (Area{1, 2, 100, 40}));
}

TEST(PictureCopies, GivenSizesAreKeptForStretching) {
  const zrt::PictureCopy copy = zrt::resolve_picture_copy({0, 0, 20, 20}, {0, 0, 10, 5}, 50, 40);
  EXPECT_EQ(copy.destination, (Area{0, 0, 20, 20}));
  EXPECT_EQ(copy.source, (Area{0, 0, 10, 5}));
}

}  // namespace
