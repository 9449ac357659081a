// Truncation to integers with the out-of-range value, rounding of halves and
// of values where adding one half is inexact, and colour clamping.
#include "runtime/core/arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr std::int32_t integer_indefinite = std::numeric_limits<std::int32_t>::min();

TEST(Arithmetic, TruncationTowardZero) {
  const struct {
    double value;
    std::int32_t expected;
  } cases[] = {
      {-2.7, -2},
      {2.7, 2},
      {-0.9, 0},
      {2147483647.9, 2147483647},
      {-2147483648.9, -2147483648},
      {2147483648.0, integer_indefinite},
      {-2147483649.0, integer_indefinite},
      {1e100, integer_indefinite},
      {std::numeric_limits<double>::infinity(), integer_indefinite},
      {-std::numeric_limits<double>::infinity(), integer_indefinite},
      {std::numeric_limits<double>::quiet_NaN(), integer_indefinite},
  };
  for (const auto& c : cases) EXPECT_EQ(zrt::truncate_to_int(c.value), c.expected) << c.value;
}

TEST(Arithmetic, RoundingTakesHalvesUpward) {
  const struct {
    double value;
    double expected;
  } cases[] = {
      {2.5, 3},
      {-2.5, -2},
      {-0.5, 0},
      {0.5, 1},
      {1.4, 1},
      {-1.6, -2},
      {-7, -7},
      // Adding one half to these is inexact in doubles.
      {0.49999999999999994, 0},
      {4503599627370497.0, 4503599627370497.0},
      {-4503599627370497.0, -4503599627370497.0},
      {1e300, 1e300},
      // Either side of the 32-bit integers.
      {2147483647.5, 2147483648.0},
      {2147483648.5, 2147483649.0},
      {-2147483648.5, -2147483648.0},
      {-2147483648.6, -2147483649.0},
      {-2147483649.5, -2147483649.0},
  };
  for (const auto& c : cases) EXPECT_EQ(zrt::round_half_up(c.value), c.expected) << c.value;
  EXPECT_TRUE(std::signbit(zrt::round_half_up(-0.0)));
  EXPECT_TRUE(std::isnan(zrt::round_half_up(std::numeric_limits<double>::quiet_NaN())));
  EXPECT_EQ(zrt::round_half_up(-std::numeric_limits<double>::infinity()), -std::numeric_limits<double>::infinity());
}

TEST(Arithmetic, ColourComponentsAreClampedAndPacked) {
  EXPECT_EQ(zrt::compose_color(300, -5, 128), 0xFF0080u);
  EXPECT_EQ(zrt::compose_color(1, 2, 3), 0x010203u);
  EXPECT_EQ(zrt::compose_color(255, 255, 255), 0xFFFFFFu);
  EXPECT_EQ(zrt::compose_color(-2147483647 - 1, 2147483647, 0), 0x00FF00u);
}

}  // namespace
