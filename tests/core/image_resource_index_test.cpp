// The resource index: numbers counted from 1, offsets counted from the end
// of the table, and an index the file cannot hold.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "runtime/core/resource_index.h"

namespace {

class MemoryFile : public zrt::ByteFile {
 public:
  std::vector<std::uint8_t> bytes;

  bool read_at(std::uint64_t offset, std::span<std::uint8_t> into) override {
    if (offset > bytes.size() || into.size() > bytes.size() - offset) return false;
    std::memcpy(into.data(), bytes.data() + offset, into.size());
    return true;
  }
};

void push_big_endian(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

// Ten bytes of other content, then an index of three resources at 0, 5 and
// 0x20 from the end of its 16-byte table.
std::vector<std::uint8_t> file_with_index() {
  std::vector<std::uint8_t> bytes(10, 0xAA);
  for (const std::uint32_t word : {3U, 0U, 5U, 0x20U}) push_big_endian(bytes, word);
  bytes.resize(bytes.size() + 0x30, 0xBB);
  return bytes;
}

TEST(ResourceIndex, FindsNumbersOneToCountAndNothingElse) {
  MemoryFile file;
  file.bytes = file_with_index();
  struct Case {
    std::int32_t number;
    std::optional<std::uint64_t> position;
  };
  const Case cases[] = {{1, 26}, {2, 31}, {3, 58}, {0, std::nullopt}, {-1, std::nullopt}, {4, std::nullopt},
                        {INT32_MIN, std::nullopt}};
  for (const Case& test : cases) EXPECT_EQ(zrt::locate_resource(file, 10, test.number), test.position) << test.number;
}

TEST(ResourceIndex, AnIndexTheFileCannotHoldFindsNothing) {
  MemoryFile file;
  file.bytes = file_with_index();
  file.bytes.resize(20);  // the count and two offsets of three
  EXPECT_EQ(zrt::locate_resource(file, 10, 2), std::nullopt);
  EXPECT_EQ(zrt::locate_resource(file, 10, 1), 26U);
  // The delivered executable's index offset lies beyond any file.
  EXPECT_EQ(zrt::locate_resource(file, 0xFFFFFFFF, 1), std::nullopt);
}

TEST(ResourceIndex, ReaderKeepsItsFileOpenAcrossLookups) {
  const auto path = std::filesystem::temp_directory_path() / "zrt_resource_index_test.bin";
  {
    const std::vector<std::uint8_t> bytes = file_with_index();
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  zrt::ResourceReader reader;
  reader.reset(path.string(), 10);
  const auto first = reader.find(3);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->position, 58U);
  const auto second = reader.find(2);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->file, first->file);
  EXPECT_EQ(second->position, 31U);

  reader.reset((path.string() + ".missing"), 10);
  EXPECT_FALSE(reader.find(1));
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

}  // namespace
