// The exported colour functions: conversions of Color values that touch no
// graphics object, and the colour choice through the colour dialog seam.
#include "runtime/graphics/color_dialog.h"
#include "runtime/graphics/colors.h"
#include "runtime/interface/exports.h"

extern "C" {

std::uint32_t RuntimeHSV(double hue, double saturation, double value) {
  return zrt::hsv_color(hue, saturation, value);
}

std::uint32_t RuntimeCMY(double cyan, double magenta, double yellow) {
  return zrt::cmy_color(cyan, magenta, yellow);
}

double readColorHue(std::uint32_t color) { return zrt::hue_of(color); }
double readColorSaturation(std::uint32_t color) { return zrt::saturation_of(color); }
double readColorValue(std::uint32_t color) { return zrt::value_of(color); }
double readColorCyan(std::uint32_t color) { return zrt::cyan_of(color); }
double readColorMagenta(std::uint32_t color) { return zrt::magenta_of(color); }
double readColorYellow(std::uint32_t color) { return zrt::yellow_of(color); }

// The variable is a Color in the application's data; a nil address is a
// choice that cannot be stored, so no dialog is shown for it.
std::int32_t selectColor(void* color_variable) {
  if (color_variable == nullptr) return 0;
  auto* variable = static_cast<std::uint32_t*>(color_variable);
  std::uint32_t system_color = zrt::system_color_of(*variable);
  if (!zrt::choose_color(system_color)) return 0;
  *variable = zrt::color_of_system(system_color);
  return 1;
}

}
