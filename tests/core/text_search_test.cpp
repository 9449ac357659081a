// Case-blind search and replace: positions by bytes and by characters, the
// answers for empty arguments and odd starts, and replacement that never
// searches its own text again.
#include "runtime/core/text_search.h"

#include "tests/core/character_models.h"
#include "tests/core/leak_checked_test.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using runtime_test::adopt;
using runtime_test::japanese_model;
using runtime_test::join;
using runtime_test::kanji_book;
using runtime_test::kanji_sun;
using runtime_test::make;
using runtime_test::western_model;
using runtime_test::wide_b;

class TextSearchTest : public runtime_test::LeakCheckedTest {};

struct PositionCase {
  std::int32_t start;
  std::string text;
  std::string find;
  std::int32_t expected;
};

std::int32_t byte_position(const zrt::CharacterModel& model, const PositionCase& c) {
  const auto text = make(c.text);
  const auto find = make(c.find);
  return zrt::position_ignoring_case(model, c.start, text.get(), find.get());
}

std::int32_t character_position(const zrt::CharacterModel& model, const PositionCase& c) {
  const auto text = make(c.text);
  const auto find = make(c.find);
  return zrt::character_position_ignoring_case(model, c.start, text.get(), find.get());
}

TEST_F(TextSearchTest, BytePositions) {
  const PositionCase cases[] = {
      {1, "Hello", "LL", 3},       {1, "Hello", "ll", 3},  {3, "Hello", "l", 3},     {4, "Hello", "l", 4},
      {5, "Hello", "l", 0},        {1, "Hello", "lo!", 0}, {1, "Hello", "hello", 1}, {6, "Hello", "o", 0},
      {INT_MAX, "Hello", "o", 0},  {1, "", "x", 0},        {1, "caf\xc9", "\xe9", 4},
      // An empty find answers start - 1.
      {3, "Hello", "", 2},         {1, "Hello", "", 0},    {1, "", "", 0},
      // A start below 1 counts as 1, so the answer is never negative.
      {0, "Hello", "H", 1},        {-7, "Hello", "o", 5},  {INT_MIN, "Hello", "", 0}, {-3, "", "", 0},
  };
  for (const PositionCase& c : cases) {
    EXPECT_EQ(byte_position(western_model(), c), c.expected) << c.start << " " << c.text << " " << c.find;
  }
}

// Long texts: the needle at every offset of a 70-byte line, in either case,
// after decoys that match only its first letter, so that matches and misses
// fall at every place of the sixteen-byte steps the search takes.
TEST_F(TextSearchTest, BytePositionsInLongTexts) {
  for (std::int32_t at = 0; at + 5 <= 70; ++at) {
    std::string text(70, '.');
    for (std::int32_t decoy = 0; decoy < at; decoy += 7) text[static_cast<std::size_t>(decoy)] = "Rr"[decoy % 2];
    text.replace(static_cast<std::size_t>(at), 5, at % 2 != 0 ? "RAMAN" : "raman");
    for (const PositionCase& c : {PositionCase{1, text, "Raman", at + 1}, PositionCase{at + 2, text, "Raman", 0}})
      EXPECT_EQ(byte_position(western_model(), c), c.expected) << c.start << " " << text;
  }
}

// Where more than two bytes share an upper case, the first letter is found
// through the table, byte by byte. (Only q and x change case here.)
TEST_F(TextSearchTest, BytePositionsWhereThreeBytesShareAnUpperCase) {
  zrt::CharacterTables tables = zrt::identity_tables();
  tables.upper['q'] = 'Q';
  tables.upper['x'] = 'Q';
  const zrt::CharacterModel model(tables);
  const std::string dashes(20, '-');
  const PositionCase cases[] = {
      {1, dashes + " the xuick one", "Quick", 26},
      {1, dashes + " the xuick", "quick", 26},
      {1, dashes + " a Quick", "quick", 24},
      {1, dashes + " the wuick", "quick", 0},
  };
  for (const PositionCase& c : cases) EXPECT_EQ(byte_position(model, c), c.expected) << c.text << " " << c.find;
}

TEST_F(TextSearchTest, CharacterPositions) {
  const std::string text = join("a", kanji_sun, "b", kanji_book, "B");  // a 日 b 本 B
  const PositionCase cases[] = {
      {1, text, "b", 3},      {4, text, "b", 5},       {1, text, std::string(kanji_book), 4},
      {5, text, std::string(kanji_book), 0},           {6, text, "b", 0},
      {1, text, join(kanji_sun, "B"), 2},              {3, text, "", 2},
      {-1, text, "A", 1},     {INT_MAX, text, "b", 0},
      // The trail byte of the full-width capital is an ASCII 'a', and must
      // not match: a match starts only where a character does.
      {1, join(wide_b, "x"), "a", 0},                  {1, join(wide_b, "A"), "a", 2},
      // A cut-off lead byte at the end can still be found, and nothing past
      // the end is compared.
      {1, join("x", "\x93"), "\x93", 2},               {1, join("x", "\x93"), std::string(kanji_sun), 0},
      // A lone lead byte does not match the first half of a character.
      {1, join(kanji_sun, "\x93"), "\x93", 2},
  };
  for (const PositionCase& c : cases) {
    EXPECT_EQ(character_position(japanese_model(), c), c.expected) << c.start << " " << c.find;
  }
  // The ideographic space ends in '@': searching by bytes finds it there,
  // searching by characters does not.
  const PositionCase at_sign{1, join(runtime_test::wide_space, "x"), "@", 0};
  EXPECT_EQ(byte_position(japanese_model(), at_sign), 2);
  EXPECT_EQ(character_position(japanese_model(), at_sign), 0);
}

TEST_F(TextSearchTest, CharacterPositionsOnSingleByteModelAreBytePositions) {
  const PositionCase c{2, "\x93\xfa" "ab\x93\xfa", "\x93\xfa", 5};
  EXPECT_EQ(character_position(western_model(), c), 5);
  EXPECT_EQ(character_position(japanese_model(), c), 4);
}

struct ReplaceCase {
  std::string_view text;
  std::string_view find;
  std::string_view replacement;
  std::string_view first_replaced;
  std::string_view all_replaced;
};

TEST_F(TextSearchTest, ReplaceFirstAndAll) {
  const ReplaceCase cases[] = {
      {"aaa", "a", "aa", "aaaa", "aaaaaa"},
      {"Hello hello HELLO", "hello", "bye", "bye hello HELLO", "bye bye bye"},
      {"a,b,,c", ",", "", "ab,,c", "abc"},
      {"abc", "abc", "", "", ""},
      {"abab", "aba", "X", "Xb", "Xb"},
      {"xyz", "q", "Q", "xyz", "xyz"},
      {"xyz", "", "Q", "xyz", "xyz"},
      {"", "a", "b", "", ""},
      {"tab\there", "\t", "    ", "tab    here", "tab    here"},
  };
  for (const ReplaceCase& c : cases) {
    const auto text = make(c.text);
    const auto find = make(c.find);
    const auto replacement = make(c.replacement);
    const auto first = adopt(zrt::replace_first(western_model(), text.get(), find.get(), replacement.get()));
    const auto all = adopt(zrt::replace_all(western_model(), text.get(), find.get(), replacement.get()));
    EXPECT_EQ(first.text(), c.first_replaced) << c.text << " / " << c.find;
    EXPECT_EQ(all.text(), c.all_replaced) << c.text << " / " << c.find;
  }
}

TEST_F(TextSearchTest, ReplaceNeverSplitsADoubleByteCharacter) {
  const auto& model = japanese_model();
  // '@' is the trail byte of the ideographic space and 0x93 the lead byte
  // of the kanji: neither may be replaced inside those characters.
  const struct {
    std::string text;
    std::string find;
    std::string expected;
  } cases[] = {
      {join(runtime_test::wide_space, "@"), "@", join(runtime_test::wide_space, "at")},
      {join(kanji_sun, "\x93"), "\x93", join(kanji_sun, "at")},
      {join("b", wide_b, "B"), "B", join("at", wide_b, "at")},
  };
  const auto at = make("at");
  for (const auto& c : cases) {
    const auto text = make(c.text);
    const auto find = make(c.find);
    EXPECT_EQ(adopt(zrt::replace_all(model, text.get(), find.get(), at.get())).text(), c.expected);
  }
}

TEST_F(TextSearchTest, ReplaceWithoutMatchSharesTheArgument) {
  const auto text = make("unchanged");
  const auto find = make("zz");
  ZString* const results[] = {zrt::replace_first(western_model(), text.get(), find.get(), nullptr),
                              zrt::replace_all(western_model(), text.get(), nullptr, find.get())};
  for (ZString* result : results) {
    EXPECT_EQ(result, text.get());
    zrt::unlock_string(result);
  }
}

TEST_F(TextSearchTest, ReplaceAllAcrossTheLengthByteLimit) {
  // 200 bytes grow to 400, past what the length byte can hold.
  const auto text = make(std::string(200, '.'));
  const auto find = make(".");
  const auto replacement = make("::");
  const auto grown = adopt(zrt::replace_all(western_model(), text.get(), find.get(), replacement.get()));
  EXPECT_EQ(grown.text(), std::string(400, ':'));
  EXPECT_EQ(grown.get()->buffer[0], 255);
}

}  // namespace
