// The page in points and the ten measurements of a printer, from what the
// printer reports in device pixels.
#include "runtime/graphics/printer_geometry.h"

#include <gtest/gtest.h>

namespace {

// An A4 sheet at 600 by 300 pixels per inch, its printable area 0.25 inch
// from the left and 0.5 inch from the top.
constexpr zrt::PrinterGeometry a4{600, 300, 4960, 3508, 150, 150};

TEST(PrinterGeometry, TenMeasurementsInPointsWithWholePointsRoundedDown) {
  const std::int32_t expected[] = {
      300,  // vertical pixels per inch
      600,  // horizontal pixels per inch
      18,   // printable left: 150 * 72 / 600
      36,   // printable top: 150 * 72 / 300
      577,  // printable width: (4960 - 150) * 72 / 600 = 577.2
      805,  // printable height: (3508 - 150) * 72 / 300 = 805.92
      0, 0, // the page starts at the sheet's corner
      595,  // page width: 4960 * 72 / 600 = 595.2
      841,  // page height: 3508 * 72 / 300 = 841.92
  };
  for (std::int32_t measurement = 0; measurement < 10; ++measurement)
    EXPECT_EQ(zrt::printer_measurement(a4, measurement), expected[measurement]) << "measurement " << measurement;
  EXPECT_EQ(zrt::printer_measurement(a4, 10), 0);
  EXPECT_EQ(zrt::printer_measurement(a4, -1), 0);

  const zrt::PageSize page = zrt::page_size_in_points(a4);
  EXPECT_EQ(page.width, 595);
  EXPECT_EQ(page.height, 841);
}

TEST(PrinterGeometry, APrinterWithoutResolutionMeasuresZeroInsteadOfDividingByIt) {
  const zrt::PrinterGeometry broken{0, 0, 4960, 3508, 150, 150};
  for (std::int32_t measurement = 2; measurement < 10; ++measurement)
    EXPECT_EQ(zrt::printer_measurement(broken, measurement), 0) << "measurement " << measurement;
  EXPECT_EQ(zrt::page_size_in_points(broken).width, 0);
  // A large plotter's pixels times 72 do not overflow 32 bits.
  const zrt::PrinterGeometry plotter{2400, 2400, 120000000, 2400, 0, 0};
  EXPECT_EQ(zrt::page_size_in_points(plotter).width, 3600000);
}

}  // namespace
