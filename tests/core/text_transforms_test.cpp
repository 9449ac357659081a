// Upper, lower and title case through the model's tables, with double-byte
// characters kept whole; trimming white space from either end, by bytes and
// by characters.
#include "runtime/core/text_transforms.h"

#include "tests/core/character_models.h"
#include "tests/core/leak_checked_test.h"

#include <gtest/gtest.h>

namespace {

using runtime_test::adopt;
using runtime_test::japanese_model;
using runtime_test::join;
using runtime_test::make;
using runtime_test::western_model;
using runtime_test::wide_b;
using runtime_test::wide_space;

class TextCaseTest : public runtime_test::LeakCheckedTest {};

TEST_F(TextCaseTest, WesternUpperAndLower) {
  const auto mixed = make("Caf\xe9 Na\xefve \xdf 42");
  const auto upper = adopt(zrt::upper_cased(western_model(), mixed.get()));
  const auto lower = adopt(zrt::lower_cased(western_model(), mixed.get()));
  EXPECT_EQ(upper.text(), "CAF\xc9 NA\xcfVE \xdf 42");
  EXPECT_EQ(lower.text(), "caf\xe9 na\xefve \xdf 42");
  // The result is always a fresh string; the argument is unchanged.
  EXPECT_NE(upper.get(), mixed.get());
  EXPECT_EQ(mixed.text(), "Caf\xe9 Na\xefve \xdf 42");
  EXPECT_EQ(zrt::upper_cased(western_model(), nullptr), nullptr);
}

TEST_F(TextCaseTest, DoubleByteTrailBytesKeepTheirCase) {
  const auto text = make(join("b", wide_b, "b"));
  EXPECT_EQ(adopt(zrt::upper_cased(japanese_model(), text.get())).text(), join("B", wide_b, "B"));
  // A single-byte model knows nothing of lead bytes and maps every letter.
  EXPECT_EQ(adopt(zrt::upper_cased(western_model(), text.get())).text(), "B\x82" "AB");
}

TEST_F(TextCaseTest, TitleCase) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"hello wORLD", "Hello World"},
      {"  two\tspaced\r\nWORDS ", "  Two\tSpaced\r\nWords "},
      {"o'neil-SMITH", "O'neil-smith"},
      {"\xe9t\xc9", "\xc9t\xe9"},
      {"x", "X"},
  };
  for (const auto& [text, expected] : cases) {
    const auto string = make(text);
    EXPECT_EQ(adopt(zrt::title_cased(western_model(), string.get())).text(), expected) << text;
  }
  EXPECT_EQ(zrt::title_cased(western_model(), nullptr), nullptr);
}

TEST_F(TextCaseTest, TitleCaseOverDoubleByteText) {
  // The ideographic space separates words; a double-byte character starts a
  // word without changing, and the letters after it go to lower case.
  const auto text = make(join("ab", wide_space, "cD", wide_b, "XY"));
  EXPECT_EQ(adopt(zrt::title_cased(japanese_model(), text.get())).text(), join("Ab", wide_space, "Cd", wide_b, "xy"));
  const auto starts_wide = make(join(wide_b, "AB"));
  EXPECT_EQ(adopt(zrt::title_cased(japanese_model(), starts_wide.get())).text(), join(wide_b, "ab"));
}

class TextTrimTest : public runtime_test::LeakCheckedTest {};

struct TrimCase {
  std::string text;
  std::string start_trimmed;
  std::string end_trimmed;
  std::string both_trimmed;
};

void expect_trims(const zrt::CharacterModel& model, const TrimCase& c) {
  const auto string = make(c.text);
  EXPECT_EQ(adopt(zrt::trimmed_start(model, string.get())).text(), c.start_trimmed) << c.text;
  EXPECT_EQ(adopt(zrt::trimmed_end(model, string.get())).text(), c.end_trimmed) << c.text;
  EXPECT_EQ(adopt(zrt::trimmed(model, string.get())).text(), c.both_trimmed) << c.text;
}

TEST_F(TextTrimTest, WesternWhiteSpace) {
  const TrimCase cases[] = {
      {" \t a b \r\n", "a b \r\n", " \t a b", "a b"},
      {"\xa0x\xa0", "x\xa0", "\xa0x", "x"},
      {"   ", "", "", ""},
      {"x", "x", "x", "x"},
      {"", "", "", ""},
      // NUL is not white space.
      {std::string("\0 ", 2), std::string("\0 ", 2), std::string("\0", 1), std::string("\0", 1)},
  };
  for (const TrimCase& c : cases) expect_trims(western_model(), c);
}

TEST_F(TextTrimTest, DoubleByteWhiteSpaceAndTrailBytes) {
  // 0x82 0x20 is one double-byte character whose trail byte is an ASCII
  // space: trimming by bytes from the end would cut it in half.
  const std::string wide_with_space_trail = "\x82\x20";
  const TrimCase cases[] = {
      {join(wide_space, " x", wide_space), join("x", wide_space), join(wide_space, " x"), "x"},
      {join("x", wide_with_space_trail), join("x", wide_with_space_trail), join("x", wide_with_space_trail),
       join("x", wide_with_space_trail)},
      {join(" ", wide_space), "", "", ""},
      // A lead byte at the end is a character, and not white space.
      {" \x82", "\x82", " \x82", "\x82"},
  };
  for (const TrimCase& c : cases) expect_trims(japanese_model(), c);
}

TEST_F(TextTrimTest, NothingToTrimSharesTheArgument) {
  const auto word = make("word");
  ZString* const results[] = {zrt::trimmed_start(western_model(), word.get()),
                              zrt::trimmed_end(western_model(), word.get()),
                              zrt::trimmed(japanese_model(), word.get())};
  for (ZString* result : results) {
    EXPECT_EQ(result, word.get());
    zrt::unlock_string(result);
  }
}

}  // namespace
