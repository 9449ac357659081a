// The packed stream encoding: integers of every length and sign, the
// most-negative marker, texts, and malformed streams that must fail cleanly.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/core/packed_reader.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<std::int32_t> integer_of(const Bytes& bytes) {
  zrt::PackedReader reader(bytes);
  auto value = reader.read_integer();
  if (value) {
    EXPECT_TRUE(reader.at_end());
  }
  return value;
}

// Writes the encoding the reader expects, to round-trip values through it.
Bytes pack(std::int64_t value) {
  const bool negative = value < 0;
  std::uint64_t magnitude = negative ? static_cast<std::uint64_t>(-value) : static_cast<std::uint64_t>(value);
  Bytes bytes{static_cast<std::uint8_t>((magnitude & 0x3F) | (negative ? 0x40 : 0))};
  magnitude >>= 6;
  while (magnitude) {
    bytes.back() |= 0x80;
    bytes.push_back(static_cast<std::uint8_t>(magnitude & 0x7F));
    magnitude >>= 7;
  }
  return bytes;
}

}  // namespace

TEST(PackedReader, ReadsIntegersOfEveryLength) {
  EXPECT_EQ(integer_of({0x00}), 0);
  EXPECT_EQ(integer_of({0x3F}), 63);
  EXPECT_EQ(integer_of({0x7F}), -63);
  EXPECT_EQ(integer_of({0x80, 0x01}), 64);
  EXPECT_EQ(integer_of({0xC0, 0x01}), -64);
  for (std::int64_t value : {366LL, -532LL, 8191LL, 1LL << 20, 2147483647LL, -2147483647LL})
    EXPECT_EQ(integer_of(pack(value)), value) << value;
}

TEST(PackedReader, MagnitudeOfTwoToThe31IsMostNegativeWhateverTheSign) {
  EXPECT_EQ(integer_of(pack(-2147483648LL)), INT32_MIN);
  EXPECT_EQ(integer_of(pack(2147483648LL)), INT32_MIN);
}

TEST(PackedReader, RejectsIntegersBeyondThirtyTwoBitsAndCutOffIntegers) {
  const Bytes beyond = pack(2147483649LL);
  zrt::PackedReader too_big(beyond);
  EXPECT_FALSE(too_big.read_integer());
  EXPECT_NE(too_big.error().find("longer than 32 bits"), std::string::npos);
  EXPECT_EQ(too_big.position(), 0u);

  EXPECT_FALSE(integer_of({0x80, 0x80, 0x80, 0x80, 0x80, 0x01}));
  const Bytes cut_off{0x80};
  zrt::PackedReader cut(cut_off);
  EXPECT_FALSE(cut.read_integer());
  EXPECT_EQ(cut.error(), "stream ends inside a packed integer at byte 0");
  zrt::PackedReader empty(std::span<const std::uint8_t>{});
  EXPECT_FALSE(empty.read_integer());
}

TEST(PackedReader, ReadsTextsAndTreatsNonPositiveLengthsAsEmpty) {
  const Bytes bytes{0x04, 'N', 'a', 'm', 'e', 0x00, 0x41, 0x02, 'O', 'K'};
  zrt::PackedReader reader(bytes);
  EXPECT_EQ(reader.read_string(), "Name");
  EXPECT_EQ(reader.read_string(), "");
  EXPECT_EQ(reader.read_string(), "");  // length -1
  EXPECT_EQ(reader.read_string(), "OK");
  EXPECT_TRUE(reader.at_end());
}

TEST(PackedReader, TextRunningPastTheEndFailsWithoutMoving) {
  const Bytes bytes{0x05, 'a', 'b'};
  zrt::PackedReader reader(bytes);
  EXPECT_FALSE(reader.read_string());
  EXPECT_EQ(reader.position(), 0u);
  EXPECT_NE(reader.error().find("5 bytes runs past the end"), std::string::npos);
}

TEST(PackedReader, ReadsFixedWidthFields) {
  const Bytes bytes{0x01, 0x00, 0x00, 0x01, 0x02, 0xAA};
  zrt::PackedReader reader(bytes);
  EXPECT_EQ(reader.read_byte(), 0x01);
  EXPECT_EQ(reader.read_u32_big_endian(), 0x00000102u);
  EXPECT_FALSE(reader.read_u32_big_endian());
  EXPECT_EQ(reader.read_byte(), 0xAA);
  EXPECT_FALSE(reader.read_byte());
}
