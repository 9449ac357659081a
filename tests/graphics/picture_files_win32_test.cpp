// Pictures read from files and saved as JPEG through FolderItem: bitmap
// files of each depth keep their colours (and their depth where pictures
// have it), a saved JPEG reads back close to the picture, and files that
// cannot be read or written give Nil and leave nothing behind.
#include "runtime/graphics/picture_layout.h"
#include "runtime/graphics/pictures_win32.h"
#include "tests/core/scratch_folder.h"
#include "tests/graphics/bitmap_file_builder.h"
#include "tests/graphics/drawing_test_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <variant>

namespace {

using namespace drawing_tests;
using bitmap_tests::BitmapShape;
using bitmap_tests::HeaderKind;

zrt::TableColor rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) { return {blue, green, red, 0}; }

std::string hex(std::uint32_t color) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%06X", color);
  return digits;
}

// Whether each of red, green and blue differs by at most `tolerance`.
bool close_to(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) return false;
  return true;
}

class PictureFiles : public DrawingTest {
 protected:
  zrt::ObjectRef item(const std::string& name) const {
    const std::string path = m_folder.path(name);
    return zrt::ObjectRef::adopt(FolderItemFromPath(const_cast<char*>(path.c_str())));
  }
  zrt::ObjectRef open(const std::string& name) const {
    return zrt::ObjectRef::adopt(FolderItemOpenImage(item(name).get()));
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(m_folder.path(name)); }

  runtime_test::ScratchFolder m_folder{"zrt_picture_files_"};
};

TEST_F(PictureFiles, BitmapFilesOpenWithTheirColoursAndKeepTheirDepthWherePicturesHaveIt) {
  struct Case {
    const char* file;
    BitmapShape shape;
    std::int32_t picture_depth;
    int tolerance;  // a 16-bit picture's five bits may widen to eight in more than one way
  };
  std::vector<std::uint32_t> bits, indexes, colors, words555;
  for (std::uint32_t i = 0; i < 20; ++i) {
    bits.push_back(i % 3 == 0 ? 1 : 0);
    indexes.push_back(i % 4);
    colors.push_back(0x10305 * i * 13);
    words555.push_back(i * 1637 % 0x8000);
  }
  const Case cases[] = {
      {"one_bit.bmp", {.width = 10, .depth = 1, .table = {rgb(255, 0, 0), rgb(0, 0, 255)}, .values = bits}, 1, 0},
      {"core_four_bits.bmp",
       {.width = 10, .depth = 4, .header = HeaderKind::Core, .table = zrt::color_table_for_depth(4), .values = indexes},
       4, 0},
      {"top_down_eight_bits.bmp",
       {.width = 10, .depth = 8, .top_down = true,
        .table = {rgb(10, 20, 30), rgb(200, 100, 50), rgb(0, 255, 0), rgb(255, 255, 255)}, .values = indexes},
       8, 0},
      {"sixteen_bits.bmp", {.width = 10, .depth = 16, .values = words555}, 16, 8},
      {"TWENTY_FOUR_BITS.BMP", {.width = 10, .depth = 24, .values = colors}, 32, 0},
      {"masked_32_bits.bmp",
       {.width = 10, .depth = 32, .header = HeaderKind::V5, .masks = zrt::ColorMasks{0xFF, 0xFF00, 0xFF0000},
        .values = colors},
       32, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::vector<std::uint8_t> bytes = bitmap_tests::bitmap_file(c.shape);
    m_folder.write(c.file, bytes);
    zrt::ObjectRef image = open(c.file);
    ASSERT_NE(image.get(), nullptr) << "the file was not opened";
    EXPECT_EQ(pictureWidthGetter(image.get(), 0), 10);
    EXPECT_EQ(pictureHeightGetter(image.get(), 0), 2);
    // At width 10 the row length tells the depth.
    EXPECT_EQ(zrt::surface_of(image.get())->row_length(), zrt::row_length_for(10, c.picture_depth)) << "the depth";
    const zrt::BitmapFile file = std::get<zrt::BitmapFile>(zrt::read_bitmap_file(bytes));
    zrt::ObjectRef g = graphics_of(image);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 10; ++x) {
        const std::uint32_t wanted = zrt::bitmap_pixel(file, x, y);
        const std::uint32_t got = pixel(g, x, y);
        EXPECT_TRUE(close_to(got, wanted, c.tolerance)) << x << "," << y << ": " << hex(got) << " for " << hex(wanted);
      }
  }
}

TEST_F(PictureFiles, APictureOfEachDepthSavedAsJpegReadsBackCloseInSixteenBits) {
  // Four quarters of colours that every depth below holds exactly.
  struct Quarter {
    int x, y;
    std::uint32_t color;
  };
  const Quarter quarters[] = {{0, 0, 0xFF0000}, {16, 0, 0x00FF00}, {0, 16, 0x0000FF}, {16, 16, 0xFFFFFF}};
  for (const int depth : {8, 16, 32}) {
    SCOPED_TRACE("depth " + std::to_string(depth));
    zrt::ObjectRef image = picture(32, 32, depth);
    zrt::ObjectRef g = graphics_of(image);
    for (const Quarter& q : quarters) {
      graphicsForeColorSetter(g.get(), 0, q.color);
      RuntimeGraphicsFillRect(g.get(), q.x, q.y, 16, 16);
    }
    const std::string name = "saved_" + std::to_string(depth) + ".jpg";
    m_folder.write(name, {'o', 'l', 'd'});
    FolderItemSaveAsJPEG(item(name).get(), image.get());
    ASSERT_TRUE(exists(name)) << "nothing was written";
    EXPECT_FALSE(exists(name + ".partial")) << "the file written beside the target was left";
    std::ifstream written(m_folder.path(name), std::ios::binary);
    const std::string start(std::istreambuf_iterator<char>(written), {});
    ASSERT_GE(start.size(), 3u);
    EXPECT_EQ(start.substr(0, 3), "\xFF\xD8\xFF") << "not a JPEG file";

    zrt::ObjectRef back = open(name);
    ASSERT_NE(back.get(), nullptr) << "the saved file was not read back";
    EXPECT_EQ(pictureWidthGetter(back.get(), 0), 32);
    EXPECT_EQ(pictureHeightGetter(back.get(), 0), 32);
    EXPECT_EQ(zrt::surface_of(back.get())->row_length(), zrt::row_length_for(32, 16)) << "not a 16-bit picture";
    zrt::ObjectRef back_g = graphics_of(back);
    for (const Quarter& q : quarters) {
      const std::uint32_t got = pixel(back_g, q.x + 8, q.y + 8);
      EXPECT_TRUE(close_to(got, q.color, 48)) << "the middle of the quarter at " << q.x << "," << q.y << ": " << hex(got)
                                          << " for " << hex(q.color);
    }
  }
}

TEST_F(PictureFiles, FilesThatCannotBeReadGiveNil) {
  std::vector<std::uint8_t> cut = bitmap_tests::bitmap_file({.width = 10, .depth = 24, .values = std::vector<std::uint32_t>(20, 0)});
  cut.resize(cut.size() - 5);
  m_folder.write("cut.bmp", cut);
  m_folder.write("text.png", {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'});
  m_folder.write("empty.jpg", {});
  std::filesystem::create_directory(m_folder.path("folder.bmp"));
  for (const char* name : {"cut.bmp", "text.png", "empty.jpg", "missing.bmp", "missing.png", "folder.bmp"})
    EXPECT_EQ(open(name).get(), nullptr) << name;
}

TEST_F(PictureFiles, SavingThatCannotSucceedLeavesNoFile) {
  zrt::ObjectRef image = picture(8, 8, 32);
  FolderItemSaveAsJPEG(item("no such folder\\saved.jpg").get(), image.get());
  zrt::ObjectRef without_bitmap = picture(0, 0, 32);
  FolderItemSaveAsJPEG(item("without_bitmap.jpg").get(), without_bitmap.get());
  FolderItemSaveAsJPEG(item("nil.jpg").get(), nullptr);
  EXPECT_TRUE(std::filesystem::is_empty(m_folder.path())) << "a file or folder was left behind";
}

}  // namespace
