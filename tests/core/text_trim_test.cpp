// Trimming white space from either end, by bytes and by characters.
#include "runtime/core/text_trim.h"

#include "tests/core/character_models.h"
#include "tests/core/leak_checked_test.h"

#include <gtest/gtest.h>

namespace {

using runtime_test::adopt;
using runtime_test::japanese_model;
using runtime_test::join;
using runtime_test::make;
using runtime_test::western_model;
using runtime_test::wide_space;

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
