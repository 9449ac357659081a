// Text to number: every radix form, decimal text as "%lf" reads it, malformed
// and out-of-range input, and the locale's separators.
#include "runtime/core/number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct ReadCase {
  const char* text;
  double expected;
};

void expect_reads(std::initializer_list<ReadCase> cases) {
  for (const ReadCase& c : cases) EXPECT_EQ(zrt::text_to_number(c.text), c.expected) << '"' << c.text << '"';
}

TEST(NumberReading, RadixForms) {
  expect_reads({
      {"&HFF", 255}, {"&hff", 255},   {"&H7fffffff", 2147483647}, {"&B101", 5}, {"&b101", 5},
      {"&O17", 15},  {"&o777", 511},  {"&H0", 0},                 {"&H", 0},
  });
}

TEST(NumberReading, RadixFormsWrapAt32Bits) {
  expect_reads({
      {"&HFFFFFFFF", -1},
      {"&H80000000", -2147483648.0},
      {"&H100000001", 1},
      {"&O37777777777", -1},
      {"&B11111111111111111111111111111110", -2},
  });
}

TEST(NumberReading, RadixFormsSkipBytesThatAreNotDigits) {
  expect_reads({
      {"&HF F", 255},   {"&H1G", 1},     {"&Hz1", 1},  {"&O19", 1},
      {"&B1021", 5},    {"&H-1", 1},     {"&H 1.5", 21},
  });
}

TEST(NumberReading, UnknownRadixOrLoneAmpersandGivesZero) {
  expect_reads({{"&X1", 0}, {"&1", 0}, {"&", 0}, {"& H1", 0}});
}

TEST(NumberReading, DecimalText) {
  expect_reads({
      {"12", 12},        {"-3.5", -3.5},      {"+4", 4},       {"1e3", 1000},     {"1E-2", 0.01},
      {"2.5e+1", 25},    {".5", 0.5},         {"5.", 5},       {"007", 7},        {"-0", 0},
      {"123456789012345678901234567890", 123456789012345678901234567890.0},
      {"0.1", 0.1},      {"4.9406564584124654e-324", 4.9406564584124654e-324},
  });
}

TEST(NumberReading, ReadingStopsAtTheFirstByteThatDoesNotFit) {
  expect_reads({
      {"12abc", 12},   {"1.2.3", 1.2}, {"1e", 1},      {"1e+", 1},     {"1e-x", 1}, {"3,5", 3},
      {"0x1A", 0},     {"1 2", 1},     {"-5-", -5},    {"2e3e4", 2000}, {"1..5", 1},
  });
}

TEST(NumberReading, LeadingWhiteSpaceIsSkipped) {
  expect_reads({{"  -3.5", -3.5}, {"\t\n\v\f\r7", 7}, {" +.5", 0.5}});
}

TEST(NumberReading, TextWithoutANumberGivesZero) {
  expect_reads({
      {"", 0},    {"abc", 0},  {".", 0},   {"-", 0},   {"+-1", 0},   {"- 1", 0},
      {"e5", 0},  {"inf", 0},  {"nan", 0}, {"-.e1", 0}, {"\xff" "1", 0},
  });
}

TEST(NumberReading, NumbersBeyondTheDoublesSaturate) {
  constexpr double infinity = std::numeric_limits<double>::infinity();
  expect_reads({
      {"1e400", infinity},
      {"-1e400", -infinity},
      {"1e-400", 0},
      {"0.000001e-320", 0},
      {"100000e303", 1e308},
      {"1e99999999999999999999", infinity},
      {"1e-99999999999999999999", 0},
  });
  EXPECT_EQ(zrt::text_to_number("1" + std::string(400, '0')), infinity);
  EXPECT_EQ(zrt::text_to_number("0." + std::string(400, '0') + "1"), 0);
  EXPECT_TRUE(std::signbit(zrt::text_to_number("-1e-400")));
}

TEST(NumberReading, LocaleSeparatorsAreRemovedAndMadeAPoint) {
  struct LocaleCase {
    zrt::NumberSeparators separators;
    const char* text;
    double expected;
  };
  const LocaleCase cases[] = {
      {{",", "."}, "1,234.5", 1234.5},
      {{".", ","}, "1.234.567,89", 1234567.89},
      {{".", ","}, "2,5", 2.5},
      {{".", ","}, "1.5", 15},  // a point is a thousands separator there
      {{" ", ","}, " 1 234,5", 1234.5},
      {{"\x81\x40", "\x81\x44"}, "1\x81\x40" "000\x81\x44" "25", 1000.25},
      {{"", "."}, "3.25", 3.25},
      {{".", ","}, "&HFF", 255},
  };
  for (const LocaleCase& c : cases)
    EXPECT_EQ(zrt::locale_text_to_number(c.text, c.separators), c.expected) << '"' << c.text << '"';
}

}  // namespace
