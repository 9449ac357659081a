// The packed stream writer against the runtime's reader: every value and
// text written comes back, across the byte boundaries of the encoding.
#include <gtest/gtest.h>

#include <limits>

#include "compiler/definition_stream.h"
#include "runtime/core/packed_reader.h"

namespace {

std::span<const std::uint8_t> bytes_of(const zc::DefinitionStream& stream) {
  return {reinterpret_cast<const std::uint8_t*>(stream.bytes().data()), stream.bytes().size()};
}

TEST(DefinitionStream, IntegersRoundTripAcrossEveryByteBoundary) {
  const std::int64_t values[] = {0, 1, 63, 64, -1, -63, -64, -65, 8191, 8192, 1048575, 1048576,
                                 std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min() + 1,
                                 std::numeric_limits<std::int32_t>::min()};
  zc::DefinitionStream stream;
  for (const std::int64_t value : values) stream.integer(value);
  zrt::PackedReader reader(bytes_of(stream));
  for (const std::int64_t value : values) EXPECT_EQ(reader.read_integer(), value);
  EXPECT_TRUE(reader.at_end());
}

TEST(DefinitionStream, SmallValuesTakeOneByteWithTheSignInBitSix) {
  zc::DefinitionStream stream;
  stream.integer(63);
  stream.integer(-5);
  stream.integer(64);
  EXPECT_EQ(stream.bytes(), std::string("\x3F\x45\x80\x01", 4));
}

TEST(DefinitionStream, NoIndexIsReadAsTheMostNegativeInteger) {
  zc::DefinitionStream stream;
  stream.no_index();
  zrt::PackedReader reader(bytes_of(stream));
  EXPECT_EQ(reader.read_integer(), std::numeric_limits<std::int32_t>::min());
}

TEST(DefinitionStream, StringsKeepTheirBytesEmptyOnesTooAndBigEndianWordsTheirOrder) {
  zc::DefinitionStream stream;
  const std::string long_text(200, 'x');
  stream.string("Caption");
  stream.string("");
  stream.string(long_text);
  stream.big_endian_word(0x01020304);
  zrt::PackedReader reader(bytes_of(stream));
  EXPECT_EQ(reader.read_string(), "Caption");
  EXPECT_EQ(reader.read_string(), "");
  EXPECT_EQ(reader.read_string(), long_text);
  EXPECT_EQ(reader.read_u32_big_endian(), 0x01020304U);
  EXPECT_TRUE(reader.at_end());
}

}  // namespace
