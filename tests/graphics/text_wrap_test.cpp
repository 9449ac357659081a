// Word wrap: where lines break and where each word goes, against a measure
// in which every byte is 10 pixels wide except 'W' (20) and the space (5).
#include "runtime/graphics/text_wrap.h"
#include "tests/core/character_models.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::int32_t width_of(std::string_view text) {
  std::int32_t width = 0;
  for (const char byte : text) width += byte == 'W' ? 20 : byte == ' ' ? 5 : 10;
  return width;
}

// The lines as "word@left word@left|width", one entry per line.
std::vector<std::string> layout(std::string_view text, std::int32_t width,
                                const zrt::CharacterModel& model = runtime_test::western_model()) {
  std::vector<std::string> described;
  for (const zrt::WrappedLine& line : zrt::wrap_text(text, width, width_of, model, SIZE_MAX)) {
    std::string entry;
    for (const zrt::PlacedWord& word : line.words)
      entry += (entry.empty() ? "" : " ") + std::string(word.text) + "@" + std::to_string(word.left);
    described.push_back(entry + "|" + std::to_string(line.width));
  }
  return described;
}

struct WrapCase {
  const char* what;
  std::string_view text;
  std::int32_t width;
  std::vector<std::string> lines;
};

class WordWrap : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WordWrap, BreaksAndPlacesAsTheMeasureSays) {
  EXPECT_EQ(layout(GetParam().text, GetParam().width), GetParam().lines) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordWrap,
    ::testing::Values(
        WrapCase{"a line that fits to the pixel", "ab cd", 45, {"ab@0 cd@25|45"}},
        WrapCase{"one pixel short breaks at the space", "ab cd", 44, {"ab@0|20", "cd@0|20"}},
        WrapCase{"the spaces at a break are not drawn", "ab   cd", 30, {"ab@0|20", "cd@0|20"}},
        WrapCase{"spaces opening a paragraph are kept", "  ab", 40, {"ab@10|30"}},
        WrapCase{"trailing spaces make no line", "ab   ", 20, {"ab@0|20"}},
        WrapCase{"wide letters count", "WW W", 40, {"WW@0|40", "W@0|20"}},
        WrapCase{"a word wider than the box breaks at the last letter that fits", "abcdefg hi", 34,
                 {"abc@0|30", "def@0|30", "g@0|10", "hi@0|20"}},
        WrapCase{"at least one letter per line", "WW", 5, {"W@0|20", "W@0|20"}},
        WrapCase{"CR, LF and CR LF each end one paragraph", "a\rb\nc\r\nd", 100,
                 {"a@0|10", "b@0|10", "c@0|10", "d@0|10"}},
        WrapCase{"an empty paragraph is an empty line", "a\r\rb", 100, {"a@0|10", "|0", "b@0|10"}},
        WrapCase{"an empty text is one empty line", "", 100, {"|0"}}),
    [](const ::testing::TestParamInfo<WrapCase>& info) { return "case" + std::to_string(info.index); });

TEST(WordWrap, NeverSplitsADoubleByteCharacter) {
  const std::string text = std::string(runtime_test::kanji_sun) + std::string(runtime_test::kanji_book);
  const std::vector<std::string> lines = layout(text, 25, runtime_test::japanese_model());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::string(runtime_test::kanji_sun) + "@0|20");
  EXPECT_EQ(lines[1], std::string(runtime_test::kanji_book) + "@0|20");
}

// A text of one huge word must not cost a measure of the whole word per
// line, nor lines below the box.
TEST(WordWrap, AHugeWordIsMeasuredALineAtATimeAndOnlyAsFarAsTheLastLine) {
  const std::string word(1'000'000, 'a');
  std::size_t measured_bytes = 0;
  const zrt::TextMeasure counting = [&](std::string_view piece) {
    measured_bytes += piece.size();
    return width_of(piece);
  };
  const std::vector<zrt::WrappedLine> lines = zrt::wrap_text(word, 100, counting, runtime_test::western_model(), 50);
  ASSERT_EQ(lines.size(), 50u);
  EXPECT_EQ(lines.back().words.at(0).text.size(), 10u);
  EXPECT_LT(measured_bytes, 10'000u);
}

TEST(WordWrap, PlacesEachCharacterWhereTheMeasureOfTheWordUpToItEnds) {
  std::string placed;
  for (const zrt::PlacedWord& character :
       zrt::characters_of({"aWb", 100}, width_of, runtime_test::western_model()))
    placed += std::string(character.text) + "@" + std::to_string(character.left) + " ";
  EXPECT_EQ(placed, "a@100 W@110 b@130 ");
  const std::string kanji = std::string(runtime_test::kanji_sun) + "a";
  EXPECT_EQ(zrt::characters_of({kanji, 0}, width_of, runtime_test::japanese_model()).size(), 2u)
      << "a double-byte character is placed whole";
}

TEST(WordWrap, AlignsALineInItsBox) {
  EXPECT_EQ(zrt::aligned_left(40, 100, 0), 0);
  EXPECT_EQ(zrt::aligned_left(40, 100, 1), 30);
  EXPECT_EQ(zrt::aligned_left(40, 100, 2), 60);
  EXPECT_EQ(zrt::aligned_left(40, 100, 7), 0);
}

}  // namespace
