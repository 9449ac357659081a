// The character model: stepping over single- and double-byte characters,
// the limits of a lead byte at the end, and the Western tables.
#include "runtime/core/character_model.h"

#include "tests/core/character_models.h"
#include "tests/core/leak_checked_test.h"

#include <gtest/gtest.h>

namespace {

using runtime_test::japanese_model;
using runtime_test::join;
using runtime_test::kanji_book;
using runtime_test::kanji_sun;
using runtime_test::western_model;

TEST(CharacterModel, WesternIsSingleByteAndCountsBytes) {
  const auto& model = western_model();
  EXPECT_FALSE(model.is_double_byte());
  const std::string_view text = "\x93\xfa" "ab";
  EXPECT_EQ(model.count_characters(text), 4u);
  EXPECT_EQ(model.character_size(text, 0), 1u);
  EXPECT_EQ(model.offset_of_character(text, 2), 2u);
  EXPECT_EQ(model.offset_of_character(text, 99), 4u);
  EXPECT_EQ(model.offset_of_character(text, -3), 0u);
}

TEST(CharacterModel, JapaneseCountsLeadAndTrailOnce) {
  const auto& model = japanese_model();
  EXPECT_TRUE(model.is_double_byte());
  const std::string text = join("a", kanji_sun, "b", kanji_book);  // a 日 b 本
  EXPECT_EQ(model.count_characters(text), 4u);
  EXPECT_EQ(model.character_size(text, 1), 2u);
  // Offsets where characters 0..4 start; beyond the last is the size.
  const std::size_t starts[] = {0, 1, 3, 4, 6, 6};
  for (std::int64_t index = 0; index < 6; ++index) {
    EXPECT_EQ(model.offset_of_character(text, index), starts[index]) << index;
  }
  EXPECT_EQ(model.characters_before(text, 3), 2u);
  EXPECT_EQ(model.characters_before(text, 100), 4u);
}

TEST(CharacterModel, LeadByteAtEndIsOneCharacter) {
  const auto& model = japanese_model();
  // The second byte of the kanji is missing: the lead byte stands alone, and
  // its size keeps every step inside the text.
  const std::string_view cut = "ab\x93";
  EXPECT_EQ(model.character_size(cut, 2), 1u);
  EXPECT_EQ(model.count_characters(cut), 3u);
  EXPECT_EQ(model.offset_of_character(cut, 3), 3u);
  EXPECT_FALSE(model.is_space_at(cut, 2));
}

TEST(CharacterModel, CaseMappingLeavesTrailBytesAlone) {
  const auto& model = japanese_model();
  // 0x82 0x61 is a full-width capital whose trail byte is ASCII 'a'.
  EXPECT_EQ(model.upper_copy(join("a", runtime_test::wide_b, "z")), join("A", runtime_test::wide_b, "Z"));
  // A lone lead byte at the end is a single-byte character and maps by table.
  EXPECT_EQ(model.upper_copy("q\x82"), "Q\x82");
}

TEST(CharacterModel, WhiteSpaceIncludesDoubleByteSpaces) {
  const auto& model = japanese_model();
  const std::string text = join(" ", runtime_test::wide_space, "\t", kanji_sun);
  EXPECT_TRUE(model.is_space_at(text, 0));
  EXPECT_TRUE(model.is_space_at(text, 1));
  EXPECT_TRUE(model.is_space_at(text, 3));
  EXPECT_FALSE(model.is_space_at(text, 4));
}

TEST(WesternTables, CasePairsAndSpaces) {
  const auto& model = western_model();
  struct Pair {
    int capital;
    int small;
  };
  for (const Pair pair : {Pair{'A', 'a'}, {'Z', 'z'}, {0xC0, 0xE0}, {0xDE, 0xFE}, {0x8A, 0x9A}, {0x9F, 0xFF}}) {
    EXPECT_EQ(model.upper(static_cast<std::uint8_t>(pair.small)), pair.capital) << pair.small;
    EXPECT_EQ(model.lower(static_cast<std::uint8_t>(pair.capital)), pair.small) << pair.capital;
  }
  // The signs among the Latin-1 letters and the sharp s have no other case.
  for (const int unchanged : {0xD7, 0xF7, 0xDF, 0x40, 0x5B, 0x31}) {
    EXPECT_EQ(model.upper(static_cast<std::uint8_t>(unchanged)), unchanged) << unchanged;
    EXPECT_EQ(model.lower(static_cast<std::uint8_t>(unchanged)), unchanged) << unchanged;
  }
  const std::string_view spaces = " \t\r\n\v\f\xa0";
  for (std::size_t offset = 0; offset < spaces.size(); ++offset) EXPECT_TRUE(model.is_space_at(spaces, offset));
  EXPECT_FALSE(model.is_space_at("x", 0));
  EXPECT_FALSE(model.is_space_at(std::string_view("\0", 1), 0));
}

}  // namespace
