// Colour layouts and the conversions of the colour functions.
#include "runtime/graphics/colors.h"

#include "runtime/interface/exports.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(PortColors, ChannelsHoldTheByteTimes257AndReadBackExactly) {
  const zrt::PortColor channels = zrt::port_color_of(0xFF0080);
  EXPECT_EQ(channels.red, 0xFFFF);
  EXPECT_EQ(channels.green, 0);
  EXPECT_EQ(channels.blue, 0x80 * 257);
  for (zrt::Color color : {0x000000u, 0xFF0080u, 0x123456u, 0xFFFFFFu, 0x010203u})
    EXPECT_EQ(zrt::color_of(zrt::port_color_of(color)), color);
}

TEST(PortColors, HighBytesAboveTheColourAreDropped) {
  EXPECT_EQ(zrt::color_of(zrt::port_color_of(0xAB123456u)), 0x123456u);
}

TEST(SystemColors, RedAndBlueSwapBothWays) {
  EXPECT_EQ(zrt::system_color_of(0x112233), 0x332211u);
  EXPECT_EQ(zrt::color_of_system(0x332211), 0x112233u);
}

TEST(HsvColors, PrimaryAndSecondaryHues) {
  EXPECT_EQ(RuntimeHSV(0.0, 1.0, 1.0), 0xFF0000u);
  EXPECT_EQ(RuntimeHSV(1.0 / 3.0, 1.0, 1.0), 0x00FF00u);
  EXPECT_EQ(RuntimeHSV(2.0 / 3.0, 1.0, 1.0), 0x0000FFu);
  EXPECT_EQ(RuntimeHSV(0.5, 1.0, 1.0), 0x00FFFFu);
  EXPECT_EQ(RuntimeHSV(5.0 / 6.0, 1.0, 1.0), 0xFF00FFu);
}

TEST(HsvColors, NoSaturationGivesTheGreyOfTheValueWhateverTheHue) {
  EXPECT_EQ(RuntimeHSV(0.7, 0.0, 1.0), 0xFFFFFFu);
  EXPECT_EQ(RuntimeHSV(0.2, 0.0, 0.0), 0x000000u);
  EXPECT_EQ(RuntimeHSV(0.2, 0.0, 2.0), 0xFFFFFFu) << "clamped";
}

TEST(HsvColors, HuesOutsideTheUnitAreRed) {
  EXPECT_EQ(RuntimeHSV(1.0, 1.0, 1.0), 0xFF0000u);
  EXPECT_EQ(RuntimeHSV(-0.5, 1.0, 1.0), 0xFF0000u);
  EXPECT_EQ(RuntimeHSV(std::nan(""), 1.0, 1.0), 0xFF0000u);
}

TEST(HsvColors, ComponentsOutOfRangeAreClamped) {
  EXPECT_EQ(RuntimeHSV(0.0, 2.0, 1.0), 0xFF0000u) << "negative green and blue become 0";
  EXPECT_EQ(RuntimeHSV(0.0, 1.0, -1.0), 0x000000u);
}

TEST(CmyColors, ComplementsOfEachChannel) {
  EXPECT_EQ(RuntimeCMY(0.0, 0.0, 0.0), 0xFFFFFFu);
  EXPECT_EQ(RuntimeCMY(1.0, 0.0, 1.0), 0x00FF00u);
  EXPECT_EQ(RuntimeCMY(0.5, 2.0, -1.0), 0x8000FFu);
}

TEST(ColorReadings, HueSaturationAndValueRoundTripThroughHsv) {
  for (double hue : {0.0, 0.1, 0.25, 0.4, 0.6, 0.75, 0.9}) {
    const zrt::Color color = RuntimeHSV(hue, 0.8, 0.6);
    EXPECT_NEAR(readColorHue(color), hue, 0.01) << hue;
    EXPECT_NEAR(readColorSaturation(color), 0.8, 0.01) << hue;
    EXPECT_NEAR(readColorValue(color), 0.6, 0.01) << hue;
  }
}

TEST(ColorReadings, GreysHaveNoHueOrSaturation) {
  EXPECT_EQ(readColorHue(0x808080), 0.0);
  EXPECT_EQ(readColorSaturation(0x808080), 0.0);
  EXPECT_EQ(readColorSaturation(0x000000), 0.0) << "black divides by no value";
  EXPECT_DOUBLE_EQ(readColorValue(0xFFFFFF), 1.0);
}

TEST(ColorReadings, SubtractiveComponents) {
  EXPECT_DOUBLE_EQ(readColorCyan(0x00FFFF), 1.0);
  EXPECT_DOUBLE_EQ(readColorMagenta(0x00FFFF), 0.0);
  EXPECT_DOUBLE_EQ(readColorYellow(0x000033), (255.0 - 51.0) / 255.0);
}

}  // namespace
