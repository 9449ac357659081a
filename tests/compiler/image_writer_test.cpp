// Drives the image writer directly: chain threading, fixup validation,
// data2 run and skip boundaries, alignment and the packed blob layout.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "compiler/image_writer.h"
#include "tests/compiler/image_decoder.h"
#include "runtime/interface/image_format.h"

namespace image_test {
namespace {

// Code made of `count` five-byte E8 calls with zero operands.
std::vector<std::uint8_t> calls(int count) {
  std::vector<std::uint8_t> code;
  for (int i = 0; i < count; ++i) code.insert(code.end(), {0xE8, 0, 0, 0, 0});
  return code;
}

std::string error_of(const std::function<void()>& action) {
  try {
    action();
  } catch (const image::ImageError& error) {
    return error.what();
  }
  return "";
}

TEST(ImageWriter, ChainsRunInAscendingOrderWhateverTheCallOrder) {
  image::ImageWriter writer;
  writer.append_code(calls(4), 1);
  writer.add_call("RuntimeRun", 16);
  writer.add_call("RuntimeRun", 1);
  writer.add_call("RuntimeRun", 11);
  writer.add_call("RuntimeInit", 6);
  const auto segments = writer.finish();
  const Code2 code2 = decode_code2(segments.code2);
  ASSERT_EQ(code2.imports.size(), 2U);
  EXPECT_EQ(code2.imports[0].name, "RuntimeRun");
  EXPECT_EQ(chain_sites(segments.code1, code2.imports[0].head),
            (std::vector<std::uint32_t>{1, 11, 16}));
  EXPECT_EQ(chain_sites(segments.code1, code2.imports[1].head), (std::vector<std::uint32_t>{6}));
  EXPECT_EQ(image::read_u32(segments.code1, 16), 0U);
}

TEST(ImageWriter, RejectsFixupsTheLoaderCannotApply) {
  image::ImageWriter writer;
  writer.append_code(calls(2), 1);
  writer.append_code(std::vector<std::uint8_t>(8, 0x90), 1);
  writer.add_call("Taken", 1);
  EXPECT_NE(error_of([&] { writer.add_call("Taken", 1); }).find("overlaps the fixup at code1+0x1"),
            std::string::npos);
  EXPECT_NE(error_of([&] { writer.add_code_pointer(3, 0); }).find("overlaps"), std::string::npos);
  EXPECT_NE(error_of([&] { writer.add_call("Plain", 11); }).find("'Plain' at code1+0xB is not the operand"),
            std::string::npos);
  EXPECT_NE(error_of([&] { writer.add_call("Late", 16); }).find("lies outside the segment"),
            std::string::npos);
  EXPECT_NE(error_of([&] { writer.add_call(std::string(256, 'n'), 6); }).find("1 to 255 characters"),
            std::string::npos);
  EXPECT_NE(error_of([&] { writer.add_data_pointer(6, image::Base::data, 0); }).find("data1+0x6"),
            std::string::npos);
  EXPECT_NE(error_of([&] { writer.append_data({}, 3); }).find("not a power of two"), std::string::npos);
}

TEST(ImageWriter, RunsSplitAt512WordsAndWhereTheBaseChanges) {
  image::ImageWriter writer;
  writer.append_data(std::vector<std::uint8_t>(4 * 514, 0), 4);
  for (std::uint32_t i = 0; i < 512; ++i) writer.add_data_pointer(8 + 4 * i, image::Base::data, i);
  writer.add_data_pointer(8 + 4 * 512, image::Base::data, 0);
  writer.add_data_pointer(8 + 4 * 513, image::Base::code, 0);
  EXPECT_EQ(data2_words(writer.finish().data2),
            (std::vector<std::uint16_t>{0x8007, 0x43FF, 0x4200, 0x4000}));
}

TEST(ImageWriter, SkipsCoverUpTo4096Bytes) {
  for (const auto& [gap, expected] : std::vector<std::pair<std::uint32_t, std::vector<std::uint16_t>>>{
           {1, {0x8000, 0x4000}},
           {4096, {0x8FFF, 0x4000}},
           {4097, {0x8FFF, 0x8000, 0x4000}},
           {8192, {0x8FFF, 0x8FFF, 0x4000}}}) {
    image::ImageWriter writer;
    writer.append_data(std::vector<std::uint8_t>(gap + 4, 0), 1);
    writer.add_data_pointer(gap, image::Base::code, 0);
    EXPECT_EQ(data2_words(writer.finish().data2), expected) << "gap " << gap;
  }
}

TEST(ImageWriter, AppendsPadToTheRequestedAlignment) {
  image::ImageWriter writer;
  EXPECT_EQ(writer.append_code(std::vector<std::uint8_t>(3, 0x90), 4), 0U);
  EXPECT_EQ(writer.append_code(std::vector<std::uint8_t>(1, 0xC3), 16), 16U);
  EXPECT_EQ(writer.append_data(std::vector<std::uint8_t>(1, 7), 8), zif::image_format::header_size);
  EXPECT_EQ(writer.append_data(std::vector<std::uint8_t>(1, 9), 4), zif::image_format::header_size + 4);
  const auto segments = writer.finish();
  EXPECT_EQ(segments.code1.size(), 17U);
  EXPECT_EQ(segments.data1.size(), zif::image_format::header_size + 5);
}

TEST(ImageWriter, PackedBlobAndSegmentFilesHoldTheFourSegmentsInOrder) {
  const image::Segments segments{{1, 2, 3}, {4}, {}, {5, 6}};
  EXPECT_EQ(image::pack_segments(segments),
            (std::vector<std::uint8_t>{3, 0, 0, 0, 1, 2, 3, 1, 0, 0, 0, 4, 0, 0, 0, 0, 2, 0, 0, 0, 5, 6}));

  const auto dir = std::filesystem::temp_directory_path() / "image_writer_test_files" / "nested";
  image::write_segment_files(segments, dir.string());
  EXPECT_EQ(std::filesystem::file_size(dir / "code1.dat"), 3U);
  EXPECT_EQ(std::filesystem::file_size(dir / "code2.dat"), 1U);
  EXPECT_EQ(std::filesystem::file_size(dir / "data1.dat"), 0U);
  EXPECT_EQ(std::filesystem::file_size(dir / "data2.dat"), 2U);
  std::filesystem::remove_all(dir.parent_path());
}

}  // namespace
}  // namespace image_test
