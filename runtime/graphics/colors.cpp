// Colour conversions between the Color layout, the port's 16-bit channels,
// the system's red-low layout and the hexcone and subtractive models.
#include "runtime/graphics/colors.h"

#include <algorithm>
#include <cmath>

namespace zrt {
namespace {

constexpr std::uint16_t k_channel_scale = 257;  // 0xFF * 257 == 0xFFFF

std::uint32_t red_of(Color color) { return (color >> 16) & 0xFF; }
std::uint32_t green_of(Color color) { return (color >> 8) & 0xFF; }
std::uint32_t blue_of(Color color) { return color & 0xFF; }

// A 0..1 component scaled to 0..255, rounded to nearest; NaN counts as 0.
std::uint32_t scaled_component(double unit) {
  const double scaled = std::round(unit * 255.0);
  if (!(scaled > 0.0)) return 0;
  return scaled >= 255.0 ? 255u : static_cast<std::uint32_t>(scaled);
}

Color packed(double red, double green, double blue) {
  return scaled_component(red) << 16 | scaled_component(green) << 8 | scaled_component(blue);
}

struct UnitComponents {
  double red, green, blue, largest, smallest;
};

UnitComponents unit_components(Color color) {
  const double red = red_of(color) / 255.0;
  const double green = green_of(color) / 255.0;
  const double blue = blue_of(color) / 255.0;
  return {red, green, blue, std::max({red, green, blue}), std::min({red, green, blue})};
}

}  // namespace

PortColor port_color_of(Color color) {
  return {static_cast<std::uint16_t>(red_of(color) * k_channel_scale),
          static_cast<std::uint16_t>(green_of(color) * k_channel_scale),
          static_cast<std::uint16_t>(blue_of(color) * k_channel_scale)};
}

Color color_of(PortColor color) {
  return static_cast<Color>(color.red >> 8) << 16 | static_cast<Color>(color.green >> 8) << 8 |
         static_cast<Color>(color.blue >> 8);
}

std::uint32_t system_color_of(Color color) {
  return blue_of(color) << 16 | green_of(color) << 8 | red_of(color);
}

Color color_of_system(std::uint32_t system_color) {
  return system_color_of(system_color);  // swapping red and blue is its own inverse
}

Color hsv_color(double hue, double saturation, double value) {
  if (saturation == 0.0) return packed(value, value, value);
  if (hue >= 1.0 || hue < 0.0 || std::isnan(hue)) hue = 0.0;
  const double sector_position = hue * 6.0;
  const int sector = static_cast<int>(sector_position);
  const double fraction = sector_position - sector;
  const double p = value * (1.0 - saturation);
  const double q = value * (1.0 - saturation * fraction);
  const double t = value * (1.0 - saturation * (1.0 - fraction));
  switch (sector) {
    case 0: return packed(value, t, p);
    case 1: return packed(q, value, p);
    case 2: return packed(p, value, t);
    case 3: return packed(p, q, value);
    case 4: return packed(t, p, value);
    default: return packed(value, p, q);
  }
}

Color cmy_color(double cyan, double magenta, double yellow) {
  return packed(1.0 - cyan, 1.0 - magenta, 1.0 - yellow);
}

double hue_of(Color color) {
  const UnitComponents c = unit_components(color);
  const double spread = c.largest - c.smallest;
  if (spread == 0.0) return 0.0;
  double sixths = 0.0;
  if (c.largest == c.red) {
    sixths = (c.green - c.blue) / spread;
    if (sixths < 0.0) sixths += 6.0;
  } else if (c.largest == c.green) {
    sixths = 2.0 + (c.blue - c.red) / spread;
  } else {
    sixths = 4.0 + (c.red - c.green) / spread;
  }
  return sixths / 6.0;
}

double saturation_of(Color color) {
  const UnitComponents c = unit_components(color);
  return c.largest == 0.0 ? 0.0 : (c.largest - c.smallest) / c.largest;
}

double value_of(Color color) { return unit_components(color).largest; }

double cyan_of(Color color) { return (255.0 - red_of(color)) / 255.0; }
double magenta_of(Color color) { return (255.0 - green_of(color)) / 255.0; }
double yellow_of(Color color) { return (255.0 - blue_of(color)) / 255.0; }

}  // namespace zrt
