// Upper, lower and title case through the model's tables, with double-byte
// characters kept whole.
#include "runtime/core/text_case.h"

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

}  // namespace
