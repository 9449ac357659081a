// The exported number routines as compiled code calls them: strings in and
// out without leaks, the empty string as null, the locale seam, and the
// argument order of the two-argument mathematical functions.
#include "runtime/core/memory.h"
#include "runtime/core/system_queries.h"
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"

#include "tests/core/leak_checked_test.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

class NumberRoutinesTest : public runtime_test::LeakCheckedTest {
 protected:
  // The text of a string a routine returned; the reference is given up.
  static std::string take(ZString* result) {
    const zrt::StringRef owned = zrt::StringRef::adopt(result);
    return std::string(owned.text());
  }

  static zrt::StringRef make(std::string_view text) { return zrt::StringRef::adopt(zrt::make_string(text)); }

};

TEST_F(NumberRoutinesTest, TextToNumber) {
  EXPECT_EQ(StringVal(make("&HFF").get()), 255);
  EXPECT_EQ(StringVal(make(" 12.5abc").get()), 12.5);
  EXPECT_EQ(StringVal(nullptr), 0);
  EXPECT_EQ(runCDbl(make("1,234.5").get()), 1234.5);
  EXPECT_EQ(runCDbl(nullptr), 0);
}

TEST_F(NumberRoutinesTest, NumberToText) {
  EXPECT_EQ(take(StringStr(2.5)), "2.5");
  EXPECT_EQ(take(StringStr(-0.0)), "0");
  EXPECT_EQ(take(runCStr(0.25)), "0.25");
  EXPECT_EQ(take(RuntimeHex(0xFFFFFFFFu)), "FFFFFFFF");
  EXPECT_EQ(take(RuntimeOct(8)), "10");
}

TEST_F(NumberRoutinesTest, FormatResultsAreNewStringsOrNull) {
  EXPECT_EQ(take(StringFormat(1234567, make("#,##0").get())), "1,234,567");
  EXPECT_EQ(take(StringFormat(-2.5, make("#.00;(#.00)").get())), "(2.50)");
  // The empty pattern formats nothing, and the empty result is null.
  EXPECT_EQ(StringFormat(5, nullptr), nullptr);
  EXPECT_EQ(StringFormat(5, make("\\").get()), nullptr);
}

TEST_F(NumberRoutinesTest, FormatLongerThanTheLengthByte) {
  const zrt::StringRef pattern = make(std::string(300, '0'));
  ZString* result = StringFormat(7, pattern.get());
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->length, 300);
  EXPECT_EQ(result->buffer[0], 255);
  EXPECT_EQ(take(result), std::string(299, '0') + "7");
}

TEST_F(NumberRoutinesTest, LocaleSeparatorsHaveTheirDocumentedSize) {
  const zrt::NumberSeparators& separators = zrt::locale_number_separators();
  EXPECT_FALSE(separators.decimal.empty());
  EXPECT_LE(separators.decimal.size(), static_cast<std::size_t>(zrt::max_separator_length));
  EXPECT_LE(separators.thousands.size(), static_cast<std::size_t>(zrt::max_separator_length));
  EXPECT_EQ(&separators, &zrt::locale_number_separators()) << "read once and cached";
}

TEST(NumberRoutines, ConversionsAndRounding) {
  EXPECT_EQ(FPToInt(-2.7), -2);
  EXPECT_EQ(FPToInt(3e9), -2147483647 - 1);
  EXPECT_EQ(IntToFP(-2147483647 - 1), -2147483648.0);
  EXPECT_EQ(RuntimeRound(-2.5), -2);
  EXPECT_EQ(RuntimeFloor(-2.5), -3);
  EXPECT_EQ(RuntimeCeil(-2.5), -2);
  EXPECT_EQ(RuntimeAbs(-2.5), 2.5);
  EXPECT_EQ(RuntimeRGB(300, -5, 128), 0xFF0080u);
}

TEST(NumberRoutines, TwoArgumentFunctionsTakeTheirArgumentsInOrder) {
  EXPECT_EQ(RuntimePow(2, 10), 1024);
  EXPECT_DOUBLE_EQ(RuntimeATan2(1, 0), std::numbers::pi / 2);
  EXPECT_EQ(RuntimeMax(-1, 2), 2);
  EXPECT_EQ(RuntimeMin(-1, 2), -1);
}

TEST(NumberRoutines, MathematicalFunctions) {
  EXPECT_EQ(RuntimeSqrt(2.25), 1.5);
  EXPECT_DOUBLE_EQ(RuntimeExp(1), std::numbers::e);
  EXPECT_DOUBLE_EQ(RuntimeLog(std::numbers::e), 1);
  EXPECT_DOUBLE_EQ(RuntimeSin(std::numbers::pi / 2), 1);
  EXPECT_DOUBLE_EQ(RuntimeCos(0), 1);
  EXPECT_DOUBLE_EQ(RuntimeTan(std::numbers::pi / 4), 1);
  EXPECT_DOUBLE_EQ(RuntimeATan(1), std::numbers::pi / 4);
  EXPECT_DOUBLE_EQ(RuntimeASin(1), std::numbers::pi / 2);
  EXPECT_DOUBLE_EQ(RuntimeACos(-1), std::numbers::pi);
  EXPECT_TRUE(std::isnan(RuntimeSqrt(-1)));
}

}  // namespace
