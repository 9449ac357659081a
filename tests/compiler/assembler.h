// Test fixture that assembles small i386 sources with the cross assembler
// and links them; tests using it skip when the assembler is not installed.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "compiler/coff_reader.h"
#include "compiler/image_writer.h"
#include "compiler/object_linker.h"

namespace image_test {

inline constexpr char k_assembler[] = "i686-w64-mingw32-as";

// A minimal entry routine and application descriptor that a source can
// append to, so each test writes only what it is about.
inline constexpr char k_header_source[] =
    ".text\n.globl _zoltic_entry\n_zoltic_entry:\n  ret\n"
    ".data\n.globl _zoltic_app\n_zoltic_app:\n  .long 0\n";

class AssembledTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string probe = std::string(k_assembler) + " --version > /dev/null 2>&1";
    if (std::system(probe.c_str()) != 0) GTEST_SKIP() << k_assembler << " is not installed";
    m_dir = std::filesystem::temp_directory_path() /
            ("zlink_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(m_dir);
  }

  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
  }

  // Object file bytes of `source`; an assembly failure fails the test.
  std::vector<std::uint8_t> assemble(const std::string& source) {
    const auto source_path = m_dir / "input.s";
    const auto object_path = m_dir / "input.o";
    std::ofstream(source_path) << source;
    const std::string command = std::string(k_assembler) + " -o " + object_path.string() + " " +
                                source_path.string();
    EXPECT_EQ(std::system(command.c_str()), 0) << "cannot assemble:\n" << source;
    std::ifstream in(object_path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  image::Segments link(const std::string& source) {
    return zlink::link_object(coff::read_object(assemble(source)));
  }

  // The message of the error linking `source` raises; empty if it links.
  std::string link_error(const std::string& source) {
    try {
      link(source);
    } catch (const std::runtime_error& error) {
      return error.what();
    }
    return "";
  }

  std::filesystem::path m_dir;
};

}  // namespace image_test
