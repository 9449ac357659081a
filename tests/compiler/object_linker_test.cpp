// Links assembled objects and reads the segments back as the loader would:
// call chains, code-to-data records, data2 runs and skips, the header words,
// and the relocations the image cannot express.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/compiler/assembler.h"
#include "tests/compiler/image_decoder.h"
#include "runtime/interface/image_format.h"

namespace image_test {
namespace {

using LinkObject = AssembledTest;

std::string with_header(const std::string& source) { return k_header_source + source; }

TEST_F(LinkObject, CallsToOneRoutineFormOneChainVisitingEachSiteOnce) {
  const auto segments = link(with_header(
      ".text\n  call _Alpha\n  nop\n  call _Beta\n  call _Alpha\n  movl %eax, %ebx\n"
      "  call _Alpha\n  call _Beta\n"));
  const Code2 code2 = decode_code2(segments.code2);
  ASSERT_EQ(code2.imports.size(), 2U);
  EXPECT_EQ(code2.imports[0].name, "_Alpha");
  EXPECT_EQ(code2.imports[1].name, "_Beta");
  // ret at 0; calls at 1, 7, 0xC, 0x13, 0x18; their operands follow the E8.
  EXPECT_EQ(chain_sites(segments.code1, code2.imports[0].head),
            (std::vector<std::uint32_t>{0x2, 0xD, 0x14}));
  EXPECT_EQ(chain_sites(segments.code1, code2.imports[1].head),
            (std::vector<std::uint32_t>{0x8, 0x19}));
  for (const std::uint32_t site : {0x2U, 0xDU, 0x14U, 0x8U, 0x19U}) {
    EXPECT_EQ(segments.code1[site - 1], 0xE8) << "operand at " << site;
  }
  EXPECT_TRUE(code2.code_pointers.empty());
}

TEST_F(LinkObject, HeaderWordsPointAtEntryAndApplicationDescriptor) {
  const auto segments = link(
      ".text\n  nop\n  nop\n.globl _zoltic_entry\n_zoltic_entry:\n  ret\n"
      ".data\n  .long 7, 8\n.globl _zoltic_app\n_zoltic_app:\n  .long 1\n");
  EXPECT_EQ(image::read_u32(segments.data1, 0), 2U);
  EXPECT_EQ(image::read_u32(segments.data1, 4), zif::image_format::header_size + 8);
  const auto relocated = apply_data2(segments.data2);
  EXPECT_EQ(relocated.at(0), image::Base::code);
  EXPECT_EQ(relocated.at(4), image::Base::data);
  EXPECT_EQ(image::read_u32(segments.data1, zif::image_format::header_size), 7U);
}

TEST_F(LinkObject, CodeReferencesToDataBecomeRecordsHoldingDataOffsets) {
  const auto segments = link(with_header(
      ".text\n  movl $message+2, %eax\n  pushl $_zoltic_app\n"
      ".section .rdata,\"dr\"\nmessage:\n  .ascii \"hello\"\n"));
  const Code2 code2 = decode_code2(segments.code2);
  ASSERT_EQ(code2.code_pointers, (std::vector<std::uint32_t>{0x2, 0x7}));
  // .data holds the 4-byte descriptor after the header; .rdata follows.
  EXPECT_EQ(image::read_u32(segments.code1, 0x2), zif::image_format::header_size + 4 + 2);
  EXPECT_EQ(image::read_u32(segments.code1, 0x7), zif::image_format::header_size);
  EXPECT_EQ(std::string(segments.data1.begin() + 12, segments.data1.begin() + 17), "hello");
}

TEST_F(LinkObject, DataPointersAreRelocatedAgainstTheirTargetsSegment) {
  const auto segments = link(with_header(
      ".text\nroutine:\n  ret\n.data\n  .long routine, _zoltic_app+4, 0x1234, routine+1\n"
      "  .byte 1\n  .long _zoltic_app\n"));
  const auto relocated = apply_data2(segments.data2);
  const std::map<std::uint32_t, image::Base> expected{
      {0, image::Base::code},  {4, image::Base::data},  {12, image::Base::code},
      {16, image::Base::data}, {24, image::Base::code}, {29, image::Base::data}};
  EXPECT_EQ(relocated, expected);
  EXPECT_EQ(image::read_u32(segments.data1, 12), 1U);
  EXPECT_EQ(image::read_u32(segments.data1, 16), 12U);
  EXPECT_EQ(image::read_u32(segments.data1, 20), 0x1234U);
  EXPECT_EQ(image::read_u32(segments.data1, 24), 2U);
  EXPECT_EQ(image::read_u32(segments.data1, 29), 8U);
}

TEST_F(LinkObject, RunsLongerThan512WordsAreSplit) {
  const auto segments =
      link(with_header(".data\ntable:\n  .rept 1300\n  .long table\n  .endr\n"));
  const auto words = data2_words(segments.data2);
  // Header: one code word and one data word; the descriptor word is skipped.
  EXPECT_EQ(words, (std::vector<std::uint16_t>{0x4000, 0x4200, 0x8003, 0x43FF, 0x43FF, 0x4313}));
  EXPECT_EQ(apply_data2(segments.data2).size(), 2U + 1300U);
}

TEST_F(LinkObject, GapsLongerThan4096BytesAreSplitIntoSkips) {
  const auto segments = link(with_header(".data\n  .skip 10000\n  .long _zoltic_app\n"));
  const auto words = data2_words(segments.data2);
  // From offset 8: 4 descriptor bytes and 10000 skipped bytes.
  EXPECT_EQ(words, (std::vector<std::uint16_t>{0x4000, 0x4200, 0x8FFF, 0x8FFF, 0x8713, 0x4200}));
  EXPECT_EQ(apply_data2(segments.data2).count(zif::image_format::header_size + 10004), 1U);
}

TEST_F(LinkObject, CallsBetweenCodeSectionsAreResolvedInPlace) {
  const auto segments = link(with_header(
      ".text\n  call helper\n.section .text$helpers,\"x\"\n.p2align 4\nhelper:\n  ret\n"));
  // ret, call at 1 (operand 2..5); the second code section starts at 16.
  EXPECT_EQ(segments.code1[16], 0xC3);
  EXPECT_EQ(image::read_u32(segments.code1, 2), 16U - 6U);
  EXPECT_TRUE(segments.code2.empty());
}

TEST_F(LinkObject, UnexpressibleReferencesNameSymbolAndOffset) {
  struct Case {
    std::string source;
    std::vector<std::string> message_parts;
  };
  const std::vector<Case> cases{
      {".text\n  jmp _Away\n", {"_Away", ".text+0x2", "E8"}},
      {".text\n  call _Away+4\n", {"_Away", ".text+0x2"}},
      {".text\n  movl _Away, %eax\n", {"absolute reference to undefined symbol '_Away'", ".text+0x2"}},
      {".data\n  .long _Away\n", {"undefined symbol '_Away'", ".data+0x4"}},
      {".text\n  movl $_zoltic_entry, %eax\n", {"code-to-code", ".text+0x2"}},
      {".text\n  call _zoltic_app\n", {"from code to data", ".text+0x2"}},
      {".data\n  .long _zoltic_entry - .\n", {"relative reference from data to code", ".data+0x4"}},
      {".data\n  .rva _zoltic_app\n", {"relocation type 0x7", ".data+0x4"}},
      {".data\n  .secrel32 _zoltic_app\n", {"relocation type 0xB", ".data+0x4"}},
      {".comm _shared, 4\n.data\n  .long _shared\n", {"common symbol '_shared'"}},
  };
  for (const Case& test : cases) {
    const std::string message = link_error(with_header(test.source));
    for (const std::string& part : test.message_parts) {
      EXPECT_NE(message.find(part), std::string::npos)
          << "source:\n" << test.source << "message: " << message << "\nlacks: " << part;
    }
  }
}

TEST_F(LinkObject, HeaderSymbolsMustBeDefinedInTheirSegments) {
  EXPECT_NE(link_error(".data\n.globl _zoltic_app\n_zoltic_app: .long 0\n")
                .find("'_zoltic_entry' (entry routine) is not defined"),
            std::string::npos);
  EXPECT_NE(link_error(".text\n.globl _zoltic_entry\n_zoltic_entry: ret\n")
                .find("'_zoltic_app' (application descriptor) is not defined"),
            std::string::npos);
  EXPECT_NE(link_error(".data\n.globl _zoltic_entry\n_zoltic_entry: .long 0\n"
                       ".globl _zoltic_app\n_zoltic_app: .long 0\n")
                .find("must be in a code section"),
            std::string::npos);
}

}  // namespace
}  // namespace image_test
