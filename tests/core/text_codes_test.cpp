// Character codes to and from strings, for single- and double-byte models.
#include "runtime/core/text_codes.h"

#include "tests/core/character_models.h"
#include "tests/core/leak_checked_test.h"

#include <gtest/gtest.h>

namespace {

using runtime_test::adopt;
using runtime_test::japanese_model;
using runtime_test::make;
using runtime_test::western_model;

class TextCodesTest : public runtime_test::LeakCheckedTest {};

TEST_F(TextCodesTest, FirstCodes) {
  const struct {
    std::string_view text;
    std::int32_t byte_code;
    std::int32_t western_code;
    std::int32_t japanese_code;
  } cases[] = {
      {"", 0, 0, 0},
      {"A", 65, 65, 65},
      // Bytes are unsigned: 0xE9 is 233, never negative.
      {"\xe9t\xe9", 233, 233, 0xE974},
      {"\x93\xfa", 0x93, 0x93, 0x93FA},
      // A lead byte with no trail byte is its own code.
      {"\x93", 0x93, 0x93, 0x93},
  };
  for (const auto& c : cases) {
    const auto string = make(c.text);
    EXPECT_EQ(zrt::first_byte_code(string.get()), c.byte_code) << c.text;
    EXPECT_EQ(zrt::first_character_code(western_model(), string.get()), c.western_code) << c.text;
    EXPECT_EQ(zrt::first_character_code(japanese_model(), string.get()), c.japanese_code) << c.text;
  }
}

TEST_F(TextCodesTest, ByteStringTakesTheLowByte) {
  EXPECT_EQ(adopt(zrt::byte_string(65)).text(), "A");
  EXPECT_EQ(adopt(zrt::byte_string(0x141)).text(), "A");
  EXPECT_EQ(adopt(zrt::byte_string(-1)).text(), "\xff");
  // Code 0 is a real one-byte string, not the empty string.
  const auto nul = adopt(zrt::byte_string(0));
  ASSERT_NE(nul.get(), nullptr);
  EXPECT_EQ(nul.text(), std::string_view("\0", 1));
  EXPECT_EQ(nul.get()->buffer[0], 1);
}

TEST_F(TextCodesTest, CharacterStringSplitsCodesAbove255) {
  const std::pair<std::int32_t, std::string_view> cases[] = {
      {9, "\t"}, {255, "\xff"}, {0x93FA, "\x93\xfa"}, {256, std::string_view("\x01\0", 2)},
      {-2, "\xfe"}, {0x12345, "\x23\x45"}};
  for (const auto& [code, expected] : cases) {
    EXPECT_EQ(adopt(zrt::character_string(code)).text(), expected) << code;
  }
  const auto kanji = make("\x93\xfa");
  EXPECT_EQ(zrt::first_character_code(japanese_model(), kanji.get()), 0x93FA);
}

}  // namespace
