// The character model Windows builds for a Japanese system (ANSI code page
// 932). Elsewhere the test skips: run it with a Japanese locale, for example
// under Wine with LANG=ja_JP.UTF-8.
#include "runtime/core/system_character_model.h"

#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

constexpr UINT japanese_code_page = 932;

TEST(SystemCharacterModelOnJapanese, CountsDoubleByteCharacters) {
  if (::GetACP() != japanese_code_page) GTEST_SKIP() << "the ANSI code page is " << ::GetACP() << ", not 932";
  const zrt::CharacterModel& model = zrt::system_character_model();
  EXPECT_TRUE(model.is_double_byte());
  EXPECT_TRUE(model.is_lead_byte(0x81));
  EXPECT_TRUE(model.is_lead_byte(0xE0));
  EXPECT_FALSE(model.is_lead_byte('A'));
  EXPECT_FALSE(model.is_lead_byte(0xA1));  // half-width katakana are single bytes
  // The ideographic space is white space.
  EXPECT_TRUE(model.is_space_at("\x81\x40", 0));

  const std::int64_t live_strings = zrt::live_string_count();
  {
    // Two kanji and an ASCII letter: five bytes, three characters.
    char text[] = "\x93\xfa" "a\x96\x7b";
    ZString* string = ZOLTBuildString(text, 5);
    EXPECT_EQ(StringLen(string), 5);
    EXPECT_EQ(StringDBCSLen(string), 3);
    EXPECT_EQ(StringDBCSAsc(string), 0x93FA);
    RuntimeUnlockString(string);
  }
  EXPECT_EQ(zrt::live_string_count(), live_strings);
}

}  // namespace
