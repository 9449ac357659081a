// Parts of strings by 1-based positions, by bytes and by characters: the
// limits on positions and counts, sharing of whole results, and no leaks;
// counting and taking fields between case-blind separators.
#include "runtime/core/text_parts.h"

#include "tests/core/character_models.h"
#include "tests/core/leak_checked_test.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using runtime_test::adopt;
using runtime_test::japanese_model;
using runtime_test::join;
using runtime_test::kanji_book;
using runtime_test::kanji_sun;
using runtime_test::make;
using runtime_test::western_model;

class TextPartsTest : public runtime_test::LeakCheckedTest {};

struct MiddleCase {
  std::int32_t position;
  std::int32_t count;
  std::string_view expected;
};

TEST_F(TextPartsTest, SubstringLimits) {
  const auto hello = make("Hello");
  const MiddleCase cases[] = {
      {2, 3, "ell"},      {1, 5, "Hello"}, {4, 100, "lo"},      {5, 1, "o"},
      {6, 1, ""},         {2, 0, ""},      {2, -1, ""},
      // A position below 1 costs the count the positions before the string.
      {0, 3, "He"},       {-1, 3, "H"},    {-2, 3, ""},
      // Extreme values must neither overflow nor reach outside the string.
      {2, INT_MAX, "ello"}, {INT_MIN, INT_MAX, ""}, {INT_MAX, INT_MAX, ""}, {-5, INT_MAX, "Hello"},
  };
  for (const MiddleCase& c : cases) {
    const auto part = adopt(zrt::substring(hello.get(), c.position, c.count));
    EXPECT_EQ(part.text(), c.expected) << c.position << ", " << c.count;
  }
  EXPECT_EQ(zrt::substring(nullptr, 1, 3), nullptr);
}

TEST_F(TextPartsTest, TailFromPosition) {
  const auto hello = make("Hello");
  const std::pair<std::int32_t, std::string_view> cases[] = {
      {3, "llo"}, {5, "o"}, {6, ""}, {INT_MAX, ""}, {1, "Hello"}, {0, "Hello"}, {INT_MIN, "Hello"}};
  for (const auto& [position, expected] : cases) {
    EXPECT_EQ(adopt(zrt::tail_from_position(hello.get(), position)).text(), expected) << position;
  }
}

TEST_F(TextPartsTest, WholeResultsShareTheArgument) {
  const auto hello = make("Hello");
  const auto& model = western_model();
  ZString* const results[] = {
      zrt::tail_from_position(hello.get(), 1),  zrt::substring(hello.get(), 1, 5),
      zrt::substring(hello.get(), -1, 100),     zrt::left_characters(model, hello.get(), 5),
      zrt::right_characters(model, hello.get(), 9), zrt::tail_from_character(model, hello.get(), 0),
      zrt::substring_characters(model, hello.get(), 1, INT_MAX),
  };
  for (ZString* result : results) {
    EXPECT_EQ(result, hello.get());
    zrt::unlock_string(result);
  }
  EXPECT_EQ(hello.get()->count, 1);
}

TEST_F(TextPartsTest, PartsOfLongStringsKeepLengthByteSaturated) {
  // A string longer than the length byte can say: parts on either side of
  // 255 bytes get the right length byte and the real length.
  const auto long_text = make(std::string(300, 'x'));
  const auto first_255 = adopt(zrt::substring(long_text.get(), 1, 255));
  EXPECT_EQ(first_255.get()->length, 255);
  EXPECT_EQ(first_255.get()->buffer[0], 255);
  const auto last_256 = adopt(zrt::tail_from_position(long_text.get(), 45));
  EXPECT_EQ(last_256.get()->length, 256);
  EXPECT_EQ(last_256.get()->buffer[0], 255);
  EXPECT_EQ(last_256.get()->buffer[257], 0);
  const auto short_part = adopt(zrt::substring(long_text.get(), 290, 50));
  EXPECT_EQ(short_part.get()->buffer[0], 11);
}

TEST_F(TextPartsTest, CharacterPartsOnSingleByteModelAreByteParts) {
  const auto& model = western_model();
  const auto text = make("\x93\xfa" "abc");
  EXPECT_EQ(zrt::character_length(model, text.get()), 5);
  EXPECT_EQ(adopt(zrt::left_characters(model, text.get(), 1)).text(), "\x93");
  EXPECT_EQ(adopt(zrt::right_characters(model, text.get(), 2)).text(), "bc");
  EXPECT_EQ(adopt(zrt::tail_from_character(model, text.get(), 2)).text(), "\xfa" "abc");
  EXPECT_EQ(adopt(zrt::substring_characters(model, text.get(), 2, 2)).text(), "\xfa" "a");
}

TEST_F(TextPartsTest, CharacterPartsCountDoubleByteCharactersOnce) {
  const auto& model = japanese_model();
  const auto text = make(join("a", kanji_sun, "b", kanji_book));  // a 日 b 本
  EXPECT_EQ(zrt::character_length(model, text.get()), 4);
  const struct {
    ZString* result;
    std::string expected;
  } cases[] = {
      {zrt::left_characters(model, text.get(), 2), join("a", kanji_sun)},
      {zrt::left_characters(model, text.get(), 0), ""},
      {zrt::right_characters(model, text.get(), 1), std::string(kanji_book)},
      {zrt::right_characters(model, text.get(), 3), join(kanji_sun, "b", kanji_book)},
      {zrt::tail_from_character(model, text.get(), 2), join(kanji_sun, "b", kanji_book)},
      {zrt::tail_from_character(model, text.get(), 4), std::string(kanji_book)},
      {zrt::tail_from_character(model, text.get(), 5), ""},
      {zrt::substring_characters(model, text.get(), 2, 2), join(kanji_sun, "b")},
      {zrt::substring_characters(model, text.get(), 0, 2), "a"},
      {zrt::substring_characters(model, text.get(), 4, INT_MAX), std::string(kanji_book)},
      {zrt::substring_characters(model, text.get(), 5, 1), ""},
      {zrt::substring_characters(model, text.get(), INT_MIN, INT_MAX), ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(zrt::string_text(c.result), c.expected);
    zrt::unlock_string(c.result);
  }
}

TEST_F(TextPartsTest, CharacterPartsStopAtALeadByteThatEndsTheString) {
  const auto& model = japanese_model();
  const auto cut = make(join(kanji_sun, "\x96"));  // the second kanji lost its trail byte
  EXPECT_EQ(zrt::character_length(model, cut.get()), 2);
  EXPECT_EQ(adopt(zrt::right_characters(model, cut.get(), 1)).text(), "\x96");
  EXPECT_EQ(adopt(zrt::substring_characters(model, cut.get(), 2, 5)).text(), "\x96");
  EXPECT_EQ(adopt(zrt::left_characters(model, cut.get(), 1)).text(), kanji_sun);
}

}  // namespace

namespace {

using runtime_test::adopt;
using runtime_test::make;
using runtime_test::western_model;

class TextFieldsTest : public runtime_test::LeakCheckedTest {};

struct FieldsCase {
  std::string_view text;
  std::string_view separator;
  std::vector<std::string_view> fields;  // the fields numbered 1, 2, ...
};

TEST_F(TextFieldsTest, CountAndTakeEveryField) {
  const FieldsCase cases[] = {
      {"a,b,c", ",", {"a", "b", "c"}},
      {",a,,b,", ",", {"", "a", "", "b", ""}},
      {"one", ",", {"one"}},
      {"1 -- 2 -- 3", " -- ", {"1", "2", "3"}},
      {"xANDyandz", "and", {"x", "y", "z"}},
      // Separators are taken left to right without overlap.
      {"aaaa", "aa", {"", "", ""}},
  };
  for (const FieldsCase& c : cases) {
    const auto text = make(c.text);
    const auto separator = make(c.separator);
    const auto count = zrt::count_fields(western_model(), text.get(), separator.get());
    EXPECT_EQ(count, static_cast<std::int32_t>(c.fields.size())) << c.text;
    for (std::size_t number = 1; number <= c.fields.size() + 1; ++number) {
      const auto field = adopt(zrt::nth_field(western_model(), text.get(), separator.get(),
                                              static_cast<std::int32_t>(number)));
      const std::string_view expected = number <= c.fields.size() ? c.fields[number - 1] : "";
      EXPECT_EQ(field.text(), expected) << c.text << " field " << number;
    }
  }
}

TEST_F(TextFieldsTest, DoubleByteSeparatorsAreWholeCharacters) {
  // The ideographic space separates; the '@' that ends it does not.
  const auto& model = runtime_test::japanese_model();
  const auto text = make(runtime_test::join("a", runtime_test::wide_space, "b@c"));
  const auto wide = make(runtime_test::wide_space);
  const auto at_sign = make("@");
  EXPECT_EQ(zrt::count_fields(model, text.get(), wide.get()), 2);
  EXPECT_EQ(zrt::count_fields(model, text.get(), at_sign.get()), 2);
  EXPECT_EQ(adopt(zrt::nth_field(model, text.get(), at_sign.get(), 1)).text(),
            runtime_test::join("a", runtime_test::wide_space, "b"));
  EXPECT_EQ(adopt(zrt::nth_field(model, text.get(), wide.get(), 2)).text(), "b@c");
}

TEST_F(TextFieldsTest, EmptyArgumentsAndOddNumbers) {
  const auto text = make("a;b");
  const auto separator = make(";");
  EXPECT_EQ(zrt::count_fields(western_model(), nullptr, separator.get()), 0);
  EXPECT_EQ(zrt::count_fields(western_model(), text.get(), nullptr), 1);
  EXPECT_EQ(zrt::nth_field(western_model(), nullptr, separator.get(), 1), nullptr);
  EXPECT_EQ(zrt::nth_field(western_model(), text.get(), nullptr, 1), nullptr);
  for (const std::int32_t number : {0, -1, INT_MIN, 3, INT_MAX}) {
    EXPECT_EQ(zrt::nth_field(western_model(), text.get(), separator.get(), number), nullptr) << number;
  }
}

TEST_F(TextFieldsTest, OnlyFieldIsTheStringItself) {
  const auto text = make("whole");
  const auto separator = make("|");
  ZString* field = zrt::nth_field(western_model(), text.get(), separator.get(), 1);
  EXPECT_EQ(field, text.get());
  zrt::unlock_string(field);
}

}  // namespace
