// The PDFs that printing_tests printed on the PDF printer, read as a person
// would check the paper: pdfinfo gives the pages and their size, pdftoppm
// renders each page at 72 pixels per inch, so one pixel is one point. Every
// page of the test programs' jobs carries a dark line one inch long that
// starts one inch right of and one inch below the printable area's corner;
// the first page of some jobs carries a text below it. Quellix's job is its
// plot, 526 by 378 points at the corner.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string printed_folder() {
  const char* folder = std::getenv("Z_PRINTED_DIR");
  return folder != nullptr ? folder : "";
}

// What printing_tests listed for one PDF.
struct Printed {
  std::string file;
  std::string shows;  // "line" or "plot"
  int pages = 0;
  int width = 0;
  int height = 0;
  int left = 0;  // the printable area's corner, in points
  int top = 0;
  bool text = false;
};

// The listed PDFs that show `shows`.
std::vector<Printed> printed_list(const std::string& shows) {
  std::vector<Printed> list;
  std::ifstream file(printed_folder() + "/printed.txt");
  Printed entry;
  while (file >> entry.file >> entry.shows >> entry.pages >> entry.width >> entry.height >> entry.left >> entry.top >>
         entry.text)
    if (entry.shows == shows) list.push_back(entry);
  return list;
}

std::string output_of(const std::string& command) {
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0;) output.append(buffer, read);
  ::pclose(pipe);
  return output;
}

// A page rendered in grey levels, 0 black to 255 white.
struct Raster {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
  bool dark(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x] < 160; }
};

std::optional<Raster> rendered_page(const std::string& pdf, int page) {
  const std::string number = std::to_string(page);
  const std::string image =
      output_of("pdftoppm -r 72 -gray -aa no -aaVector no -f " + number + " -l " + number + " '" + pdf + "' 2>/dev/null");
  std::istringstream header(image);
  std::string magic;
  Raster raster;
  int maximum = 0;
  if (!(header >> magic >> raster.width >> raster.height >> maximum) || magic != "P5" || maximum != 255)
    return std::nullopt;
  const auto start = static_cast<std::size_t>(header.tellg()) + 1;
  const auto size = static_cast<std::size_t>(raster.width) * raster.height;
  if (image.size() < start + size) return std::nullopt;
  raster.pixels.assign(image.begin() + static_cast<std::ptrdiff_t>(start), image.begin() + static_cast<std::ptrdiff_t>(start + size));
  return raster;
}

struct InkRun {
  int start = -1;
  int length = 0;
};

// The longest horizontal run of dark pixels in the rows around y.
InkRun longest_run_near(const Raster& raster, int y) {
  InkRun longest;
  for (int row = std::max(0, y - 2); row <= std::min(raster.height - 1, y + 2); ++row)
    for (int x = 0; x < raster.width;) {
      if (!raster.dark(x, row)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < raster.width && raster.dark(x, row)) ++x;
      if (x - start > longest.length) longest = {start, x - start};
    }
  return longest;
}

int dark_pixels_in(const Raster& raster, int left, int top, int width, int height) {
  int count = 0;
  for (int y = std::max(0, top); y < std::min(raster.height, top + height); ++y)
    for (int x = std::max(0, left); x < std::min(raster.width, left + width); ++x) count += raster.dark(x, y);
  return count;
}

void expect_pages_and_size(const Printed& printed, const std::string& pdf) {
  const std::string info = output_of("pdfinfo '" + pdf + "' 2>&1");
  EXPECT_NE(info.find("Pages:           " + std::to_string(printed.pages) + "\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Page size:       " + std::to_string(printed.width) + " x " + std::to_string(printed.height)),
            std::string::npos)
      << info;
}

constexpr const char* k_outside_ctest = "run through ctest, which names the folder printing_tests printed into";

TEST(PrintedPages, EachPageHasTheInchLongLineAnInchFromThePrintableCorner) {
  if (printed_folder().empty()) GTEST_SKIP() << k_outside_ctest;
  const std::vector<Printed> list = printed_list("line");
  if (list.empty()) GTEST_SKIP() << "printing_tests printed nothing here (it skipped: no Wine or no printer)";
  for (const Printed& printed : list) {
    SCOPED_TRACE(printed.file);
    const std::string pdf = printed_folder() + "/" + printed.file;
    expect_pages_and_size(printed, pdf);
    for (int page = 1; page <= printed.pages; ++page) {
      SCOPED_TRACE("page " + std::to_string(page));
      const std::optional<Raster> raster = rendered_page(pdf, page);
      ASSERT_TRUE(raster) << "pdftoppm gave no image";
      const InkRun line = longest_run_near(*raster, printed.top + 72);
      EXPECT_NEAR(line.start, printed.left + 72, 1);
      // The pen is a point wide and the printer's driver strokes it with caps
      // that reach past the ends, and the rendering rounds to whole points.
      EXPECT_NEAR(line.length, 72, 2);
      // The text's baseline lies two inches below the line, 24 points high.
      const int ink = dark_pixels_in(*raster, printed.left + 72, printed.top + 216 - 24, 144, 30);
      if (printed.text && page == 1) {
        EXPECT_GT(ink, 20) << "no text";
      } else {
        EXPECT_EQ(ink, 0) << "ink where nothing was drawn";
      }
    }
  }
}

// Quellix's plot: its picture at the printable area's corner, one point per
// pixel. The frame's top and bottom edges, on the picture's rows 18 and 328,
// run from column 40 to column 508 and meet the y scale's 5-pixel ticks for
// 100 and 0 there; nothing is printed outside the picture.
TEST(PrintedPages, ThePlotStandsAtThePrintableCornerOnOnePage) {
  if (printed_folder().empty()) GTEST_SKIP() << k_outside_ctest;
  const std::vector<Printed> list = printed_list("plot");
  if (list.empty()) GTEST_SKIP() << "printing_tests printed no plot here (it skipped: no Wine or no printer)";
  constexpr int plot_width = 526, plot_height = 378;
  for (const Printed& printed : list) {
    SCOPED_TRACE(printed.file);
    const std::string pdf = printed_folder() + "/" + printed.file;
    expect_pages_and_size(printed, pdf);
    const std::optional<Raster> raster = rendered_page(pdf, 1);
    ASSERT_TRUE(raster) << "pdftoppm gave no image";
    for (const int row : {18, 328}) {
      const InkRun edge = longest_run_near(*raster, printed.top + row);
      EXPECT_NEAR(edge.start, printed.left + 35, 1) << "the tick and the frame's edge on row " << row;
      EXPECT_NEAR(edge.length, 508 - 35 + 1, 2) << "the tick and the frame's edge on row " << row;
    }
    const int everywhere = dark_pixels_in(*raster, 0, 0, raster->width, raster->height);
    EXPECT_EQ(dark_pixels_in(*raster, printed.left - 1, printed.top - 1, plot_width + 2, plot_height + 2), everywhere)
        << "ink outside the plot";
  }
}

}  // namespace
