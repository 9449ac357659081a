// A printer's page as its device reports it, and what the runtime derives
// from it: the page size in points (1/72 inch) that printer graphics draw in,
// and the measurements a PrinterSetup gives.
#pragma once

#include <cstdint>

namespace zrt {

// In device pixels, and pixels per inch, as the printer reports them.
struct PrinterGeometry {
  std::int32_t pixels_per_inch_x = 0;
  std::int32_t pixels_per_inch_y = 0;
  std::int32_t physical_width = 0;
  std::int32_t physical_height = 0;
  std::int32_t offset_x = 0;  // of the printable area
  std::int32_t offset_y = 0;
};

struct PageSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// The whole sheet in points, whole points rounded down.
[[nodiscard]] PageSize page_size_in_points(const PrinterGeometry& geometry);

// One of the measurements numbered as the PrinterSetup properties declare
// them; 0 for any other number, and for a printer that reports no resolution.
[[nodiscard]] std::int32_t printer_measurement(const PrinterGeometry& geometry, std::int32_t measurement);

}  // namespace zrt
