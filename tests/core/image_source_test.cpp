// Finding and reading the image: the PICKLE resource's two forms, the blob's
// four length-prefixed segments with every truncation, the blob appended to
// an executable file and the development files.
#include "tests/core/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/core/image_builder.h"

#include "runtime/core/image_source.h"

namespace loader_test {
namespace {

const zrt::SegmentBytes k_segments{{1, 2, 3}, {4}, {5, 6, 7, 8, 9, 10, 11, 12}, {13, 14}};

void expect_same(const zrt::SegmentBytes& read, const zrt::SegmentBytes& expected) {
  EXPECT_EQ(read.code1, expected.code1);
  EXPECT_EQ(read.code2, expected.code2);
  EXPECT_EQ(read.data1, expected.data1);
  EXPECT_EQ(read.data2, expected.data2);
}

TEST(ImageSource, PickleResourceSelectsTheAppendedImageOrTheDevelopmentFiles) {
  struct Case {
    std::vector<std::uint8_t> resource;
    zrt::ImageSource source;
    std::uint32_t image_offset;
    std::uint32_t index_offset;
  };
  const Case cases[] = {
      {{}, zrt::ImageSource::DevelopmentFiles, 0, 0},
      {{'P', 'I', 'C', 'K', 0, 0, 0, 0}, zrt::ImageSource::DevelopmentFiles, 0, 0},
      {{'P', 'I', 'C', 'K', 'L', 'E'}, zrt::ImageSource::DevelopmentFiles, 0, 0},
      {{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}, zrt::ImageSource::DevelopmentFiles, 0, 0},
      {{0x00, 0xA0, 0x08, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}, zrt::ImageSource::AppendedImage, 0x8A000, 0xFFFFFFFF},
      {{'P', 'I', 'C', 'k', 1, 0, 0, 0}, zrt::ImageSource::AppendedImage, 0x6B434950, 1},
  };
  for (const Case& test : cases) {
    zrt::LoadError error;
    const auto location = zrt::locate_image(test.resource, error);
    ASSERT_TRUE(location) << error.message;
    EXPECT_EQ(location->source, test.source);
    EXPECT_EQ(location->image_offset, test.image_offset);
    EXPECT_EQ(location->resource_index_offset, test.index_offset);
  }
  zrt::LoadError error;
  EXPECT_FALSE(zrt::locate_image(std::vector<std::uint8_t>{1, 2, 3, 4}, error));
  EXPECT_EQ(error.message, "The application could not be loaded because its PICKLE resource holds 4 bytes instead of 8.");
}

TEST(ImageSource, SplitsTheBlobIntoItsFourSegmentsIgnoringWhatFollows) {
  std::vector<std::uint8_t> blob = blob_of(k_segments);
  blob.push_back(0xEE);
  zrt::LoadError error;
  const auto segments = zrt::split_image(blob, error);
  ASSERT_TRUE(segments) << error.message;
  expect_same(*segments, k_segments);
}

TEST(ImageSource, EveryTruncatedBlobNamesTheSegmentItCuts) {
  const std::vector<std::uint8_t> whole = blob_of(k_segments);
  // The segment whose length word or bytes each cut falls in.
  const char* expected[] = {"code1", "code2", "data1", "data2"};
  const std::size_t ends[] = {7, 12, 24, 30};
  for (std::size_t length = 0; length < whole.size(); ++length) {
    const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
    zrt::LoadError error;
    EXPECT_FALSE(zrt::split_image(cut, error)) << "cut at " << length;
    std::size_t segment = 0;
    while (length >= ends[segment]) ++segment;
    EXPECT_EQ(error.message.rfind(zrt::k_load_failure_prefix, 0), 0U) << error.message;
    EXPECT_NE(error.message.find(expected[segment]), std::string::npos) << "cut at " << length << ": " << error.message;
  }
}

TEST(ImageSource, SegmentLengthBeyondTheFileIsReported) {
  std::vector<std::uint8_t> blob = blob_of(k_segments);
  zrt::store_u32(blob, 12, 0xFFFFFFF0);  // data1's length word
  zrt::LoadError error;
  EXPECT_FALSE(zrt::split_image(blob, error));
  EXPECT_EQ(error.message, "The application could not be loaded because its data1 segment claims 0xFFFFFFF0 bytes "
                           "but only 0xE bytes of the image follow.");
}

class ImageFiles : public ::testing::Test {
 protected:
  void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const { m_folder.write(name, bytes); }
  std::string path(const std::string& name = "") const { return m_folder.path(name); }

  runtime_test::ScratchFolder m_folder{"zrt_image_source_"};
};

TEST_F(ImageFiles, ReadsTheBlobAtItsOffsetInTheExecutable) {
  write("zrt.exe", packed_program(0x200, blob_of(k_segments)));
  zrt::LoadError error;
  const auto segments = zrt::read_appended_image(path("zrt.exe"), 0x200, error);
  ASSERT_TRUE(segments) << error.message;
  expect_same(*segments, k_segments);

  EXPECT_FALSE(zrt::read_appended_image(path("zrt.exe"), 0x10000, error));
  EXPECT_EQ(error.message, "The application could not be loaded because its image could not be read from " +
                               path("zrt.exe") + " at file offset 0x10000.");
  // An offset inside the executable's own bytes reads them as lengths.
  EXPECT_FALSE(zrt::read_appended_image(path("zrt.exe"), 0x100, error));
}

TEST_F(ImageFiles, ReadsEachDevelopmentFileWholeAndNamesAMissingOne) {
  write("code1.dat", k_segments.code1);
  write("code2.dat", k_segments.code2);
  write("data1.dat", k_segments.data1);
  zrt::LoadError error;
  EXPECT_FALSE(zrt::read_development_files(path(), error));
  EXPECT_EQ(error.message, "The application could not be loaded because the development file data2.dat could not "
                           "be read from " + path() + ".");
  write("data2.dat", k_segments.data2);
  const auto segments = zrt::read_development_files(path(), error);
  ASSERT_TRUE(segments) << error.message;
  expect_same(*segments, k_segments);
}

}  // namespace
}  // namespace loader_test
