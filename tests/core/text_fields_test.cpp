// Counting and taking fields between case-blind separators.
#include "runtime/core/text_fields.h"

#include "tests/core/character_models.h"
#include "tests/core/leak_checked_test.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

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
