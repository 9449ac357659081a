// Numbers to plain text: the general form's two shapes and where it switches,
// the locale's decimal separator, and hexadecimal and octal digits.
#include "runtime/core/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct TextCase {
  double value;
  const char* expected;
};

TEST(NumberText, GeneralForm) {
  const TextCase cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {2.5, "2.5"},
      {-2.5, "-2.5"},
      {0.5, "0.5"},
      {100, "100"},
      {0.1, "0.1"},
      {1.0 / 3, "0.3333333"},
      {123456.789, "123456.789"},
      {-42, "-42"},
      {0.00000004, "4.0000000e-08"},
      {1e7, "1.0000000e+07"},
      {1234567, "1.2345670e+06"},
      {1e300, "1.0000000e+300"},
      {-1e-300, "-1.0000000e-300"},
      {5e-324, "4.9406565e-324"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(zrt::number_to_text(c.value), c.expected) << c.value;
}

TEST(NumberText, FixedFormCoversExactlyTheInclusiveRange) {
  const TextCase cases[] = {
      {1000000, "1000000"},
      {-1000000, "-1000000"},
      {1000000.5, "1.0000005e+06"},
      {0.00001, "0.00001"},
      {0.0000099, "9.9000000e-06"},
      {0.000001, "1.0000000e-06"},
      // Seven decimals can round a small fixed value away entirely.
      {0.00001234567, "0.0000123"},
      {999999.99999999, "1000000"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(zrt::number_to_text(c.value), c.expected) << c.value;
}

TEST(NumberText, ValuesThatAreNotFinite) {
  EXPECT_EQ(zrt::number_to_text(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(zrt::number_to_text(-std::numeric_limits<double>::infinity()), "-inf");
  EXPECT_EQ(zrt::number_to_text(-std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(NumberText, LocaleTextReplacesOnlyThePoint) {
  constexpr zrt::NumberSeparators german{".", ","};
  constexpr zrt::NumberSeparators two_byte{"\x81\x40", "\x81\x44"};
  EXPECT_EQ(zrt::number_to_locale_text(2.5, german), "2,5");
  EXPECT_EQ(zrt::number_to_locale_text(1234567, german), "1,2345670e+06");
  EXPECT_EQ(zrt::number_to_locale_text(1000000, german), "1000000");
  EXPECT_EQ(zrt::number_to_locale_text(-0.25, two_byte), "-0\x81\x44" "25");
}

TEST(NumberText, HexadecimalAndOctalDigits) {
  struct DigitsCase {
    std::uint32_t value;
    const char* hexadecimal;
    const char* octal;
  };
  const DigitsCase cases[] = {
      {0, "0", "0"},
      {7, "7", "7"},
      {8, "8", "10"},
      {255, "FF", "377"},
      {0xABCDEF, "ABCDEF", "52746757"},
      {0x80000000u, "80000000", "20000000000"},
      {0xFFFFFFFFu, "FFFFFFFF", "37777777777"},
  };
  for (const DigitsCase& c : cases) {
    EXPECT_EQ(zrt::hexadecimal_digits(c.value), c.hexadecimal) << c.value;
    EXPECT_EQ(zrt::octal_digits(c.value), c.octal) << c.value;
  }
}

}  // namespace
