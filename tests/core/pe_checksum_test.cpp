// The executable's checksum on a vector worked out by hand, and the field it
// is stamped into.
#include "runtime/core/pe_checksum.h"

#include "runtime/core/image_block.h"

#include <gtest/gtest.h>

namespace {

// "MZ", the header pointer 0x40, "PE\0\0", a word 0xFFFF at 0x50, a stored
// checksum at 0x98 and an odd last byte 0x01 at 0x9C: 0x9D bytes.
std::vector<std::uint8_t> tiny_executable() {
  std::vector<std::uint8_t> file(0x9D, 0);
  file[0] = 'M';
  file[1] = 'Z';
  file[0x3C] = 0x40;
  file[0x40] = 'P';
  file[0x41] = 'E';
  file[0x50] = 0xFF;
  file[0x51] = 0xFF;
  zrt::store_u32(file, 0x98, 0xDEADBEEF);
  file[0x9C] = 0x01;
  return file;
}

TEST(PeChecksum, SumsTheWordsWithEndAroundCarryAndTheFieldAsZeroThenAddsTheLength) {
  const std::vector<std::uint8_t> file = tiny_executable();
  ASSERT_EQ(zrt::pe_checksum_offset(file), 0x98u);
  // 0x5A4D ("MZ") + 0x0040 + 0x4550 ("PE") = 0x9FDD; + 0xFFFF = 0x19FDC, folded
  // 0x9FDD; + 0x0001 (the odd byte, padded) = 0x9FDE; + the length 0x9D.
  EXPECT_EQ(zrt::pe_checksum(file, 0x98), 0xA07Bu);
  EXPECT_FALSE(zrt::pe_checksum_matches(file));
  std::vector<std::uint8_t> stamped = file;
  ASSERT_TRUE(zrt::stamp_pe_checksum(stamped));
  EXPECT_EQ(zrt::load_u32(stamped, 0x98), 0xA07Bu);
  EXPECT_TRUE(zrt::pe_checksum_matches(stamped));
}

TEST(PeChecksum, AFileWithoutHeadersThatReachTheFieldHasNone) {
  std::vector<std::uint8_t> no_signature = tiny_executable();
  no_signature[0x40] = 'X';
  std::vector<std::uint8_t> cut_short = tiny_executable();
  cut_short.resize(0x9B);
  std::vector<std::uint8_t> pointer_past_the_end = tiny_executable();
  pointer_past_the_end[0x3C] = 0xF0;
  for (std::vector<std::uint8_t>* file : {&no_signature, &cut_short, &pointer_past_the_end}) {
    EXPECT_FALSE(zrt::pe_checksum_offset(*file));
    EXPECT_FALSE(zrt::stamp_pe_checksum(*file));
    EXPECT_FALSE(zrt::pe_checksum_matches(*file));
  }
}

}  // namespace
