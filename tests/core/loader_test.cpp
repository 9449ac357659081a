// The loader's whole sequence over a made-up platform: which source the
// PICKLE resource selects, what is recorded for the run, and that a failure
// shows exactly one message and never calls the image's entry.
#include "tests/core/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/core/image_builder.h"

#include "runtime/core/image_bases.h"
#include "runtime/core/loaded_image.h"
#include "runtime/core/loader.h"

namespace loader_test {
namespace {

class FakePlatform : public zrt::LoaderPlatform {
 public:
  std::vector<std::uint8_t> pickle;
  std::string executable;
  std::string directory;
  FakeResolver resolver;
  std::vector<std::uint8_t> code;  // the "executable" memory
  std::vector<std::string> messages;
  std::vector<std::uint32_t> entries_called;

  std::span<const std::uint8_t> pickle_resource() override { return pickle; }
  std::string executable_path() override { return executable; }
  std::string development_directory() override { return directory; }
  std::optional<std::span<std::uint8_t>> allocate_code(std::size_t size) override {
    code.assign(size, 0);
    return std::span<std::uint8_t>(code);
  }
  std::uint32_t address_of(std::span<const std::uint8_t> block) override {
    return block.data() == code.data() ? k_code_base : k_data_base;
  }
  void show_failure(const std::string& message) override { messages.push_back(message); }
  void call_entry(std::uint32_t entry) override { entries_called.push_back(entry); }
  std::optional<std::uint32_t> runtime_routine(std::string_view name) override {
    return resolver.runtime_routine(name);
  }
  std::optional<zrt::LibraryHandle> load_library(const std::string& name) override {
    return resolver.load_library(name);
  }
  std::optional<std::uint32_t> library_routine(zrt::LibraryHandle library, const std::string& routine) override {
    return resolver.library_routine(library, routine);
  }
};

zrt::SegmentBytes entry_calling_run() {
  ImageBuilder image;
  image.call("RuntimeRun");
  image.call("!WList!Sort");
  image.set_header(1, 0);
  image.data2_word(0x4000);
  image.data2_word(0x4200);
  return image.build();
}

// Public, so that the table of failure cases can prepare each case.
class Loader : public ::testing::Test {
 public:
  void SetUp() override {
    m_platform.directory = m_folder.path();
    m_platform.resolver.routines = {{"RuntimeRun", 0x00650000}};
    zrt::loaded_image() = {};
  }
  void TearDown() override { zrt::set_image_segments({}, {}); }
  void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const { m_folder.write(name, bytes); }
  void write_development_files(const zrt::SegmentBytes& segments) const {
    write("code1.dat", segments.code1);
    write("code2.dat", segments.code2);
    write("data1.dat", segments.data1);
    write("data2.dat", segments.data2);
  }

  runtime_test::ScratchFolder m_folder{"zrt_loader_"};
  FakePlatform m_platform;
};

TEST_F(Loader, PlaceholderResourceLoadsTheDevelopmentFilesAndCallsTheEntry) {
  write_development_files(entry_calling_run());
  m_platform.pickle = {'P', 'I', 'C', 'K', 'L', 'E', 0, 0};
  ASSERT_TRUE(zrt::run_loader(m_platform)) << m_platform.messages.front();
  EXPECT_TRUE(m_platform.messages.empty());
  EXPECT_EQ(m_platform.entries_called, (std::vector<std::uint32_t>{k_code_base + 1}));
  EXPECT_EQ(call_target(m_platform.code, 2), 0x00650000U);
  const zrt::LoadedImage& image = zrt::loaded_image();
  EXPECT_EQ(image.code1.base(), k_code_base);
  EXPECT_EQ(image.data1.base(), k_data_base);
  EXPECT_EQ(image.data1.read_u32(4), k_data_base);
  EXPECT_EQ(image.resource_index_offset, 0U);
  // The frame walk and the class table find the segments where the loader
  // left them.
  EXPECT_EQ(zrt::code1_segment().base, k_code_base);
  EXPECT_EQ(zrt::code1_segment().bytes.data(), m_platform.code.data());
  EXPECT_EQ(zrt::data1_segment().base, k_data_base);
  EXPECT_EQ(zrt::data1_segment().bytes.size(), image.data1.size());
  ASSERT_EQ(image.deferred_imports.size(), 1U);
  EXPECT_EQ(image.deferred_imports[0].name, "WList!Sort");
}

TEST_F(Loader, PatchedResourceLoadsTheImageAppendedToTheExecutable) {
  write("quellix.exe", packed_program(0x300, blob_of(entry_calling_run())));
  m_platform.executable = m_folder.path("quellix.exe");
  m_platform.pickle = {0x00, 0x03, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
  ASSERT_TRUE(zrt::run_loader(m_platform)) << m_platform.messages.front();
  EXPECT_EQ(m_platform.entries_called.size(), 1U);
  EXPECT_EQ(zrt::loaded_image().resource_index_offset, 0xFFFFFFFFU);
}

// Nothing in the image's own format notices every changed byte (an import
// record turned into filler leaves a call unlinked), so the checksum of the
// whole file guards a packed program.
TEST_F(Loader, APackedProgramWithAnyChangedByteIsRefusedAsDamaged) {
  const std::vector<std::uint8_t> program = packed_program(0x300, blob_of(entry_calling_run()));
  for (const std::size_t changed : {std::size_t{2}, std::size_t{0x2FF}, program.size() - 1}) {
    std::vector<std::uint8_t> damaged = program;
    damaged[changed] ^= 0x10;
    write("quellix.exe", damaged);
    m_platform.messages.clear();
    m_platform.executable = m_folder.path("quellix.exe");
    m_platform.pickle = {0x00, 0x03, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_FALSE(zrt::run_loader(m_platform)) << "byte " << changed;
    EXPECT_EQ(m_platform.messages, std::vector<std::string>{"quellix.exe is damaged; please obtain it again."});
    EXPECT_TRUE(m_platform.entries_called.empty());
  }
}

TEST_F(Loader, FailuresShowOneMessageAndRunNothing) {
  struct Case {
    const char* what;
    void (*prepare)(Loader&);
    const char* reason_start;
  };
  const Case cases[] = {
      {"missing development files", [](Loader&) {}, "the development file code1.dat could not be read"},
      {"unknown routine",
       [](Loader& test) {
         test.m_platform.resolver.routines.clear();
         test.write_development_files(entry_calling_run());
       },
       "the runtime exports no routine named RuntimeRun"},
      {"empty code",
       [](Loader& test) {
         zrt::SegmentBytes segments = entry_calling_run();
         segments.code1.clear();
         test.write_development_files(segments);
       },
       "its code1 segment is empty"},
      {"unknown executable path",
       [](Loader& test) { test.m_platform.pickle = {0x00, 0x03, 0x00, 0x00, 0, 0, 0, 0}; },
       "the path of its executable could not be found out"},
  };
  for (const Case& test : cases) {
    m_platform.messages.clear();
    m_platform.pickle.clear();
    m_platform.resolver.routines = {{"RuntimeRun", 0x00650000}};
    test.prepare(*this);
    EXPECT_FALSE(zrt::run_loader(m_platform)) << test.what;
    ASSERT_EQ(m_platform.messages.size(), 1U) << test.what;
    EXPECT_EQ(m_platform.messages[0].rfind(std::string(zrt::k_load_failure_prefix) + test.reason_start, 0), 0U)
        << test.what << ": " << m_platform.messages[0];
    EXPECT_TRUE(m_platform.entries_called.empty()) << test.what;
    m_folder.clear();
  }
}

}  // namespace
}  // namespace loader_test
