// Number patterns: sections, digit places, grouping, exponents, escapes and
// the values that cross a digit boundary when rounded, in several locales.
#include "runtime/core/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr zrt::NumberSeparators english{",", "."};
constexpr zrt::NumberSeparators german{".", ","};
constexpr zrt::NumberSeparators spaced{" ", ","};
// Two-byte separators, as a locale of a double-byte code page may have.
constexpr zrt::NumberSeparators two_byte{"\x81\x40", "\x81\x44"};

struct FormatCase {
  double value;
  const char* pattern;
  const char* expected;
};

template <std::size_t Count>
void expect_formats(const FormatCase (&cases)[Count], const zrt::NumberSeparators& separators = english) {
  for (const FormatCase& c : cases)
    EXPECT_EQ(zrt::format_number(c.value, c.pattern, separators), c.expected)
        << "value " << c.value << " with pattern \"" << c.pattern << "\"";
}

TEST(NumberFormat, FixedDecimals) {
  const FormatCase cases[] = {
      {3.14159, "#.00", "3.14"},   {0.5, "#.00", "0.50"},      {0.05, "#.00", "0.05"},
      {1234.5, "#.00", "1234.50"}, {7, "0.000", "7.000"},      {2.345678, "0.0", "2.3"},
      {12, "0000", "0012"},        {12345, "00", "12345"},     {0.5, "#.##", "0.5"},
      {3, "#.##", "3."},           {0.004, "#.00", "0.00"},    {42, "#", "42"},
  };
  expect_formats(cases);
}

TEST(NumberFormat, ZeroWithHashPlacesKeepsOneZeroAndThePoint) {
  const FormatCase cases[] = {
      {0, "#.##", "0."},
      {0, "#.00", "0.00"},
      {0, "#", "0"},
  };
  expect_formats(cases);
}

TEST(NumberFormat, RoundingCarriesAcrossDigitBoundaries) {
  const FormatCase cases[] = {
      {9.996, "#.00", "10.00"},   {99.999, "#.00", "100.00"}, {0.999, "#.00", "1.00"},
      {0.996, "0.0#", "1.0"},     {999.6, "#,##0", "1,000"},  {999999.995001, "#,##0.00", "1,000,000.00"},
      {9.96, "0.0%", "996.0%"},
  };
  expect_formats(cases);
}

// The printed text is the decimal nearest to the binary value, ties to even,
// in every build: 0.125 and 0.375 are exact binary halves at two decimals,
// while 9.995 lies just below its written value.
TEST(NumberFormat, HalvesFollowTheExactBinaryValue) {
  const FormatCase cases[] = {
      {0.125, "0.00", "0.12"},
      {0.375, "0.00", "0.38"},
      {2.5, "0", "2"},
      {9.995, "#.00", "9.99"},
  };
  expect_formats(cases);
}

TEST(NumberFormat, GroupingPutsSeparatorsOnlyBetweenDigits) {
  const FormatCase cases[] = {
      {1234567, "#,##0", "1,234,567"},
      {12, "#,##0", "12"},
      {123, "#,##0", "123"},
      {1234, "#,##0", "1,234"},
      {0, "#,##0", "0"},
      {1234567.891, "#,##0.00", "1,234,567.89"},
      {12, "0,000", "0,012"},
      {1e20, "#,##0", "100,000,000,000,000,000,000"},
      {-1234, "-#,##0", "-1,234"},
      {123456, "#,#", "123,456"},
      {1234, "\\$#,##0", "$1,234"},
  };
  expect_formats(cases);
}

TEST(NumberFormat, NegativeNumbersBySectionCount) {
  const FormatCase cases[] = {
      // One section: the sign shows only where the section has "-" or "+".
      {-2.5, "#.00", "2.50"},
      {-2.5, "-#.00", "-2.50"},
      {-2.5, "+#.00", "-2.50"},
      {2.5, "+#.00", "+2.50"},
      {0, "+#.00", "0.00"},
      {2.5, "-#.00", "2.50"},
      // Two sections: the second is for negative numbers, zero uses the first.
      {-2.5, "#.00;(#.00)", "(2.50)"},
      {2.5, "#.00;(#.00)", "2.50"},
      {0, "#.00;(#.00)", "0.00"},
      // Three sections: the third is for zero.
      {0, "#.00;-#.00;\\z\\e\\r\\o", "zero"},
      {-1, "#.00;-#.00;\\z\\e\\r\\o", "-1.00"},
      {1, "#.00;-#.00;\\z\\e\\r\\o", "1.00"},
      {-0.0, "+0.00;-0.00;\\z", "z"},
  };
  expect_formats(cases);
}

TEST(NumberFormat, PercentScalesByAHundred) {
  const FormatCase cases[] = {
      {0.256, "0.0%", "25.6%"},
      {0.5, "0%", "50%"},
      {-0.125, "-#.0%", "-12.5%"},
      {0.5, "%0", "%50"},
  };
  expect_formats(cases);
}

TEST(NumberFormat, EscapesAndDroppedBytes) {
  const FormatCase cases[] = {
      {5, "#.00\\ \\k\\g", "5.00 kg"},
      {5, "#.00 kg", "5.00"},  // unescaped text is not copied
      {5, "\\#0", "#5"},
      {5, "0\\", "5"},         // a final backslash has nothing to escape
      {5, "\\0\\.\\,0", "0.,5"},
      {5, "", ""},
  };
  expect_formats(cases);
}

TEST(NumberFormat, ExponentPatterns) {
  const FormatCase cases[] = {
      // The digit after the last place is printed but dropped, not rounded.
      {12389, "0.00e+00", "1.23e+04"},
      {12399, "0.00e+00", "1.24e+04"},
      {0.000123, "0.000E-00", "1.230E-04"},
      {123, "0.00E-00", "1.23E02"},
      {123, "0.00e00", "1.23e+02"},
      {123, "0.00e+", "1.23e+02"},
      {123, "0.00e", "1.23e+02"},
      {123, "0.0e+000", "1.2e+002"},
      {5, "0e+00", "5e+00"},
      {1, "0.00e+00", "1.00e+00"},
      {1, "#.##e+00", "1.e+00"},
      {0, "0.00e+00", "0.00e+00"},
      {-0.0042, "-0.0e+00", "-4.2e-03"},
      {1.5e300, "0.0e+00", "1.5e+300"},
      // Rounding the hidden digit can carry into the exponent.
      {9.9999, "0.00e+00", "1.00e+01"},
      {99999, "0.00e+00", "1.00e+05"},
      {99989, "0.00e+00", "9.99e+04"},
      {0.5, "0.0%e+00", "5.0%e+01"},
  };
  expect_formats(cases);
}

TEST(NumberFormat, ScientificKeepsTheSignAndSixDecimals) {
  const FormatCase cases[] = {
      {12345.6789, "Scientific", "1.234567E+04"},
      {-12345.6789, "Scientific", "-1.234567E+04"},
      {1, "scientific", "1.000000E+00"},
      {0, "SCIENTIFIC", "0.000000E+00"},
      {-0.0, "Scientific", "0.000000E+00"},
      {0.000123456789, "Scientific", "1.234567E-04"},
  };
  expect_formats(cases);
}

TEST(NumberFormat, SectionsWithoutIntegerPlacesKeepTheIntegerDigits) {
  const FormatCase cases[] = {
      {0.5, ".00", ".50"},
      {12.5, ".00", "12.50"},
      {1234.5, ",.0", "1,234.5"},
  };
  expect_formats(cases);
}

TEST(NumberFormat, LocalesWithOtherSeparators) {
  EXPECT_EQ(zrt::format_number(1234567.891, "#,##0.00", german), "1.234.567,89");
  EXPECT_EQ(zrt::format_number(1234567.891, "#,##0.00", spaced), "1 234 567,89");
  EXPECT_EQ(zrt::format_number(1234567.891, "#,##0.00", two_byte), "1\x81\x40" "234\x81\x40" "567\x81\x44" "89");
  EXPECT_EQ(zrt::format_number(1234.5, "Scientific", german), "1,234500E+03");
  EXPECT_EQ(zrt::format_number(0.5, "#.00", two_byte), "0\x81\x44" "50");
}

TEST(NumberFormat, PatternsLongerThanAShortStringBuffer) {
  std::string pattern;
  for (int i = 0; i < 200; ++i) pattern += "\\x";
  pattern += "#,##0.";
  pattern += std::string(300, '0');
  const std::string result = zrt::format_number(1234.5, pattern, english);
  EXPECT_EQ(result, std::string(200, 'x') + "1,234.5" + std::string(299, '0'));
}

TEST(NumberFormat, ValuesThatAreNotFinite) {
  constexpr double infinity = std::numeric_limits<double>::infinity();
  const FormatCase cases[] = {
      {infinity, "#.00", "inf"},
      {-infinity, "#.00", "-inf"},
      {-infinity, "#;(#)", "-inf"},
      {std::numeric_limits<double>::quiet_NaN(), "#.00", "nan"},
      {-std::numeric_limits<double>::quiet_NaN(), "Scientific", "nan"},
      {1e307, "0%", "inf"},
  };
  expect_formats(cases);
}

}  // namespace
