// Finding resources in PE32 executables built in memory: string and numeric
// types side by side, and headers or trees cut short or pointing nowhere.
#include <gtest/gtest.h>

#include "tests/compiler/pe_builder.h"

#include "compiler/pe_file.h"
#include "compiler/pe_resources.h"

namespace pe_test {
namespace {

PeBuilder sample() {
  PeBuilder builder;
  builder.resource({"", 3, 1, {9, 9, 9}})  // an icon
      .resource({"PICKLE", 0, 100, {1, 2, 3, 4}})
      .resource({"PICKLE", 0, 101, {'P', 'I', 'C', 'K', 0, 0, 0, 0}})
      .resource({"", 10, 101, {7}})  // raw data with the same id
      .resource({"OTHER", 0, 101, {5}});
  return builder;
}

TEST(PeResources, FindsTheResourceByTypeNameAndId) {
  const PeBuilder builder = sample();
  const std::vector<std::uint8_t> file = builder.build();
  const pe::PeFile executable(file);
  ASSERT_EQ(executable.sections().size(), 2U);
  EXPECT_EQ(executable.sections()[1].name, ".rsrc");
  const pe::ResourceData pickle = pe::find_resource(executable, "PICKLE", 101);
  EXPECT_EQ(pickle.file_offset, builder.data_offset(2));
  EXPECT_EQ(pickle.size, 8U);
  // The system compares type names without regard to case.
  EXPECT_EQ(pe::find_resource(executable, "pickle", 100).file_offset, builder.data_offset(1));
  EXPECT_EQ(pe::find_resource(executable, "OTHER", 101).file_offset, builder.data_offset(4));
}

TEST(PeResources, MissingPiecesAreNamed) {
  struct Case {
    const char* type;
    std::uint16_t id;
    const char* message;
  };
  const Case cases[] = {
      {"PICKLES", 101, "the executable has no PICKLES resource"},
      {"PICKLE", 102, "the executable has no resource PICKLE 102"},
  };
  const std::vector<std::uint8_t> file = sample().build();
  for (const Case& test : cases) {
    try {
      static_cast<void>(pe::find_resource(pe::PeFile(file), test.type, test.id));
      ADD_FAILURE() << test.message;
    } catch (const pe::PeError& error) {
      EXPECT_STREQ(error.what(), test.message);
    }
  }
  const std::vector<std::uint8_t> bare = PeBuilder().build();
  EXPECT_THROW(static_cast<void>(pe::find_resource(pe::PeFile(bare), "PICKLE", 101)), pe::PeError);
}

TEST(PeResources, RejectsFilesThatAreNotPe32) {
  std::vector<std::uint8_t> file = sample().build();
  struct Case {
    std::size_t offset;
    std::uint8_t value;
    const char* message;
  };
  const Case cases[] = {
      {0, 'Z', "not an executable: no \"MZ\" signature"},
      {0x41, 'X', "not a PE executable: no \"PE\" signature at 0x40"},
      {0x59, 0x02, // the PE32+ magic 0x20B
       "not a 32-bit PE executable: the optional header is not a PE32 header"},
      {0x3D, 0x10, "the file ends inside the PE signature (offset 0x1040)"},
  };
  for (const Case& test : cases) {
    std::vector<std::uint8_t> broken = file;
    broken[test.offset] = test.value;
    try {
      pe::PeFile parsed(broken);
      ADD_FAILURE() << test.message;
    } catch (const pe::PeError& error) {
      EXPECT_STREQ(error.what(), test.message);
    }
  }
}

TEST(PeResources, EveryTruncationAndDanglingOffsetIsAnErrorNotACrash) {
  const PeBuilder builder = sample();
  const std::vector<std::uint8_t> file = builder.build();
  // Cuts up to the end of the PICKLE data; what follows it is not read.
  for (std::size_t length = 0; length < builder.data_offset(2) + 8; ++length) {
    const std::vector<std::uint8_t> cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_THROW(static_cast<void>(pe::find_resource(pe::PeFile(cut), "PICKLE", 101)), pe::PeError) << "cut at " << length;
  }
  // Every word of the resource tree pointed far away, one at a time.
  for (std::size_t at = k_resource_file_offset; at + 4 <= file.size(); at += 4) {
    std::vector<std::uint8_t> broken = file;
    broken[at + 3] ^= 0x7F;
    try {
      static_cast<void>(pe::find_resource(pe::PeFile(broken), "PICKLE", 101));
    } catch (const pe::PeError&) {
    }
  }
}

}  // namespace
}  // namespace pe_test
