// data1's header words and the application descriptor's outer layout, read
// with every address checked against its segment.
#include <gtest/gtest.h>

#include "tests/core/image_builder.h"

#include "runtime/core/image_header.h"

namespace loader_test {
namespace {

TEST(ImageHeader, EntryAndDescriptorMustPointIntoTheirSegments) {
  std::vector<std::uint8_t> code1(16, 0xC3);
  const zrt::ImageBlock code(code1, k_code_base);
  struct Case {
    std::vector<std::uint8_t> data1;
    const char* reason;  // empty when the header is sound
  };
  auto header = [](std::uint32_t entry, std::uint32_t application) {
    std::vector<std::uint8_t> bytes;
    push_u32(bytes, entry);
    push_u32(bytes, application);
    return bytes;
  };
  const Case cases[] = {
      {header(k_code_base + 15, k_data_base + 4), ""},
      {header(k_code_base + 16, k_data_base), "its entry address 0x400010 lies outside the code"},
      {header(k_code_base - 1, k_data_base), "its entry address 0x3FFFFF lies outside the code"},
      {header(k_code_base, k_data_base + 8),
       "its application descriptor address 0x10000008 lies outside the data"},
      {std::vector<std::uint8_t>(7, 0), "its data1 segment (7 bytes) is too short for the entry and application words"},
  };
  for (const Case& test : cases) {
    std::vector<std::uint8_t> data1 = test.data1;
    zrt::LoadError error;
    const auto read = zrt::read_image_header(code, zrt::ImageBlock(data1, k_data_base), error);
    if (*test.reason == '\0') {
      ASSERT_TRUE(read) << error.message;
      EXPECT_EQ(read->entry, k_code_base + 15);
      EXPECT_EQ(read->application, k_data_base + 4);
    } else {
      EXPECT_FALSE(read);
      EXPECT_EQ(error.message, std::string(zrt::k_load_failure_prefix) + test.reason + ".");
    }
  }
}

TEST(ApplicationDescriptor, ListsClassesThenProjectObjects) {
  std::vector<std::uint8_t> data1(8, 0);
  for (const std::uint32_t word : {2U, k_data_base + 40, k_data_base + 60, 3U, 0U, k_data_base + 80, 0U}) {
    push_u32(data1, word);
  }
  zrt::LoadError error;
  const auto descriptor = zrt::read_application_descriptor(zrt::ImageBlock(data1, k_data_base), k_data_base + 8, error);
  ASSERT_TRUE(descriptor) << error.message;
  EXPECT_EQ(descriptor->classes, (std::vector<std::uint32_t>{k_data_base + 40, k_data_base + 60}));
  EXPECT_EQ(descriptor->project_objects, (std::vector<std::uint32_t>{0, k_data_base + 80, 0}));
}

TEST(ApplicationDescriptor, CountsReachingPastData1AreRefused) {
  std::vector<std::uint8_t> data1;
  push_u32(data1, 1);
  push_u32(data1, 0);
  push_u32(data1, 0x40000000);  // object count far beyond the segment
  zrt::LoadError error;
  EXPECT_FALSE(zrt::read_application_descriptor(zrt::ImageBlock(data1, k_data_base), k_data_base, error));
  EXPECT_EQ(error.message, "The application could not be loaded because the application descriptor's list of "
                           "project objects at data1 offset 0x8 runs past the end of data1.");
  EXPECT_FALSE(zrt::read_application_descriptor(zrt::ImageBlock(data1, k_data_base), k_data_base + 12, error));
  data1.resize(2);
  EXPECT_FALSE(zrt::read_application_descriptor(zrt::ImageBlock(data1, k_data_base), k_data_base, error));
}

}  // namespace
}  // namespace loader_test
