// Reads assembled objects and damaged copies of them: long section and
// symbol names, auxiliary slots, and a clear error rather than a crash for
// every truncation and for foreign machine types.
#include <gtest/gtest.h>

#include <string>

#include "tests/compiler/assembler.h"

namespace image_test {
namespace {

using ReadObject = AssembledTest;

TEST_F(ReadObject, ReadsLongNamesAlignmentAndRelocations) {
  const coff::Object object = coff::read_object(assemble(
      ".section .rdata$a_long_section_name,\"dr\"\n.p2align 3\n.globl _a_rather_long_symbol\n"
      "_a_rather_long_symbol:\n  .long _external_routine\n"));
  const coff::Section* section = nullptr;
  for (const auto& candidate : object.sections) {
    if (candidate.name == ".rdata$a_long_section_name") section = &candidate;
  }
  ASSERT_NE(section, nullptr);
  EXPECT_EQ(section->alignment, 8U);
  ASSERT_EQ(section->relocations.size(), 1U);
  EXPECT_EQ(section->relocations[0].type, coff::k_rel_dir32);
  EXPECT_EQ(object.symbols.at(section->relocations[0].symbol_index).name, "_external_routine");
  bool found = false;
  for (const auto& symbol : object.symbols) found |= symbol.name == "_a_rather_long_symbol";
  EXPECT_TRUE(found);
}

TEST_F(ReadObject, EveryTruncationIsReportedNotReadPast) {
  const auto file = assemble(".text\n  call _x\n.data\n  .long 1\n");
  ASSERT_FALSE(file.empty());
  for (std::size_t size = 0; size < file.size(); ++size) {
    const std::vector<std::uint8_t> cut(file.begin(), file.begin() + static_cast<long>(size));
    try {
      coff::read_object(cut);
    } catch (const coff::CoffError& error) {
      EXPECT_NE(std::string(error.what()).find("truncated object"), std::string::npos) << error.what();
    }
  }
}

TEST_F(ReadObject, RejectsOtherMachinesAndBadSymbolIndexes) {
  auto file = assemble(".data\n  .long _x\n");
  ASSERT_GE(file.size(), 20U);
  auto foreign = file;
  foreign[0] = 0x64;
  foreign[1] = 0x86;
  try {
    coff::read_object(foreign);
    ADD_FAILURE() << "an x86-64 object was accepted";
  } catch (const coff::CoffError& error) {
    EXPECT_STREQ(error.what(), "not an i386 object: machine type 0x8664");
  }
  coff::Object object = coff::read_object(file);
  for (auto& section : object.sections) {
    for (auto& relocation : section.relocations) relocation.symbol_index = 1000;
  }
  try {
    zlink::link_object(object);
    ADD_FAILURE() << "a relocation with a bad symbol index was accepted";
  } catch (const zlink::LinkError& error) {
    EXPECT_NE(std::string(error.what()).find(".data+0x0: relocation refers to symbol index 1000"),
              std::string::npos)
        << error.what();
  }
}

}  // namespace
}  // namespace image_test
