// Device pixels to points, with integer division as the page mapping uses.
#include "runtime/graphics/printer_geometry.h"

#include "runtime/interface/device_members.h"

namespace zrt {
namespace {

// A printer that reports no resolution measures 0 rather than dividing by it.
std::int32_t points_of(std::int32_t pixels, std::int32_t pixels_per_inch) {
  if (pixels_per_inch <= 0) return 0;
  return static_cast<std::int32_t>(std::int64_t{pixels} * 72 / pixels_per_inch);
}

}  // namespace

PageSize page_size_in_points(const PrinterGeometry& geometry) {
  return {points_of(geometry.physical_width, geometry.pixels_per_inch_x),
          points_of(geometry.physical_height, geometry.pixels_per_inch_y)};
}

std::int32_t printer_measurement(const PrinterGeometry& geometry, std::int32_t measurement) {
  const std::int32_t per_inch_x = geometry.pixels_per_inch_x;
  const std::int32_t per_inch_y = geometry.pixels_per_inch_y;
  switch (measurement) {
    case zif::vertical_resolution: return per_inch_y;
    case zif::horizontal_resolution: return per_inch_x;
    case zif::printable_left: return points_of(geometry.offset_x, per_inch_x);
    case zif::printable_top: return points_of(geometry.offset_y, per_inch_y);
    case zif::printable_width: return points_of(geometry.physical_width - geometry.offset_x, per_inch_x);
    case zif::printable_height: return points_of(geometry.physical_height - geometry.offset_y, per_inch_y);
    case zif::page_width: return points_of(geometry.physical_width, per_inch_x);
    case zif::page_height: return points_of(geometry.physical_height, per_inch_y);
    default: return 0;  // PageLeft and PageTop, and numbers nobody declared
  }
}

}  // namespace zrt
