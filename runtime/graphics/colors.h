// Colours as the drawing port keeps them (16 bits per channel, each 8-bit
// value times 257), as GDI takes them (red in the low byte) and the
// conversions of the colour functions between Color values and the hexcone
// and subtractive models. Portable: nothing here draws.
#pragma once

#include <cstdint>

namespace zrt {

// The language's Color value: 0x00RRGGBB.
using Color = std::uint32_t;

struct PortColor {
  std::uint16_t red = 0;
  std::uint16_t green = 0;
  std::uint16_t blue = 0;
};

[[nodiscard]] PortColor port_color_of(Color color);
// The high byte of each channel, repacked as 0x00RRGGBB.
[[nodiscard]] Color color_of(PortColor color);

// The system's layout, 0x00BBGGRR, and back.
[[nodiscard]] std::uint32_t system_color_of(Color color);
[[nodiscard]] Color color_of_system(std::uint32_t system_color);

// Components are 0..1; results are clamped to 0..255 per channel.
[[nodiscard]] Color hsv_color(double hue, double saturation, double value);
[[nodiscard]] Color cmy_color(double cyan, double magenta, double yellow);

[[nodiscard]] double hue_of(Color color);
[[nodiscard]] double saturation_of(Color color);
[[nodiscard]] double value_of(Color color);
[[nodiscard]] double cyan_of(Color color);
[[nodiscard]] double magenta_of(Color color);
[[nodiscard]] double yellow_of(Color color);

}  // namespace zrt
