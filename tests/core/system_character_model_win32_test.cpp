// The character model and the double-byte string routines on a Japanese
// system (ANSI code page 932). Elsewhere these cases skip; ctest runs them a
// second time under Wine with a Japanese locale.
#include "runtime/core/character_model.h"

#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include <windows.h>

namespace {

constexpr UINT japanese_code_page = 932;

TEST(SystemCharacterModelOnJapanese, RecognisesLeadBytesAndWideSpaces) {
  if (::GetACP() != japanese_code_page) GTEST_SKIP() << "the ANSI code page is " << ::GetACP() << ", not 932";
  const zrt::CharacterModel& model = zrt::system_character_model();
  EXPECT_TRUE(model.is_double_byte());
  EXPECT_TRUE(model.is_lead_byte(0x81));
  EXPECT_TRUE(model.is_lead_byte(0xE0));
  EXPECT_FALSE(model.is_lead_byte('A'));
  EXPECT_FALSE(model.is_lead_byte(0xA1));  // half-width katakana are single bytes
  // The ideographic space is white space.
  EXPECT_TRUE(model.is_space_at("\x81\x40", 0));
}

// Builds a runtime string from the bytes of a literal (which may hold NULs).
template <std::size_t N>
ZString* build(const char (&bytes)[N]) {
  std::string copy(bytes, N - 1);
  return ZOLTBuildString(copy.data(), static_cast<std::int32_t>(copy.size()));
}

std::string text_of(ZString* string) {
  std::string text(static_cast<const char*>(StringGetCString(string)));
  RuntimeUnlockString(string);
  return text;
}

// Two kanji and an ASCII letter: five bytes, three characters.
constexpr char kanji_and_letter[] = "\x93\xfa" "a\x96\x7b";

TEST(SystemCharacterModelOnJapanese, DoubleByteRoutinesCountCharacters) {
  if (::GetACP() != japanese_code_page) GTEST_SKIP() << "the ANSI code page is " << ::GetACP() << ", not 932";
  const std::int64_t live_strings = zrt::live_string_count();
  {
    ZString* line = build(kanji_and_letter);
    EXPECT_EQ(StringLen(line), 5);
    EXPECT_EQ(StringDBCSLen(line), 3);
    EXPECT_EQ(StringDBCSAsc(line), 0x93FA);
    // From the second character on: the letter and the second kanji.
    EXPECT_EQ(text_of(StringDBCSMid2(line, 2)), "a\x96\x7b");
    ZString* second_kanji = build("\x96\x7b");
    EXPECT_EQ(StringDBCSInStr(1, line, second_kanji), 3);
    // Trail bytes that equal 'a' must not match inside the kanji: the letter
    // is the third character (the fifth byte).
    ZString* letter = build("a");
    ZString* kanji_with_trail_a = build("\x88\x61\x88\x61" "a");
    EXPECT_EQ(StringDBCSInStr(1, kanji_with_trail_a, letter), 3);
    for (ZString* string : {line, second_kanji, letter, kanji_with_trail_a}) RuntimeUnlockString(string);

    // The ideographic space is trimmed like a blank; the kanji stays whole.
    ZString* padded = build("\x81\x40 \x93\xfa\x81\x40");
    EXPECT_EQ(text_of(runTrim(padded)), "\x93\xfa");
    EXPECT_EQ(text_of(runLTrim(padded)), "\x93\xfa\x81\x40");
    EXPECT_EQ(text_of(runRTrim(padded)), "\x81\x40 \x93\xfa");
    RuntimeUnlockString(padded);
  }
  EXPECT_EQ(zrt::live_string_count(), live_strings);
}

}  // namespace
