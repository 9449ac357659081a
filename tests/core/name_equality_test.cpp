// Name equality and ordering through the Mac OS Roman upper-case table.
#include "runtime/core/name_equality.h"

#include <gtest/gtest.h>

namespace {

TEST(NameEquality, IgnoresAsciiCase) {
  EXPECT_TRUE(zrt::names_equal("MenuItem", "MENUITEM"));
  EXPECT_TRUE(zrt::names_equal("menuitem", "MenuItem"));
  EXPECT_FALSE(zrt::names_equal("MenuItem", "MenuItems"));
  EXPECT_FALSE(zrt::names_equal("MenuItem", "MenuIten"));
  EXPECT_TRUE(zrt::names_equal("", ""));
}

TEST(NameEquality, MapsRomanLowerCaseToCapitals) {
  EXPECT_TRUE(zrt::names_equal("\x8A", "\x80"));
  EXPECT_TRUE(zrt::names_equal("caf\x8E", "CAF\x83"));
  EXPECT_EQ(zrt::name_upper(0xF5), 'I');
  EXPECT_EQ(zrt::name_upper(0xD8), 0xD9);
  // Capitals map to themselves, so they do not fold back onto lower case.
  EXPECT_EQ(zrt::name_upper(0x80), 0x80);
  EXPECT_EQ(zrt::name_upper(0xD9), 0xD9);
}

TEST(NameEquality, LeavesOtherBytesAlone) {
  for (const int byte : {0x00, 0x40, 0x5B, 0x60, 0x7B, 0x7F, 0x86, 0xA0, 0xC0, 0xFF}) {
    EXPECT_EQ(zrt::name_upper(static_cast<std::uint8_t>(byte)), byte) << byte;
  }
  EXPECT_FALSE(zrt::names_equal("@", "`"));
}

TEST(NameOrdering, ComparesMappedBytesUnsigned) {
  EXPECT_EQ(zrt::compare_names("apple", "APPLE"), 0);
  EXPECT_LT(zrt::compare_names("apple", "Banana"), 0);
  EXPECT_GT(zrt::compare_names("Zebra", "apple"), 0);
  // 0x80 sorts after every ASCII byte; with signed bytes it would sort first.
  EXPECT_GT(zrt::compare_names("\x80", "z"), 0);
  // Lower-case 'a' sorts as 'A', before '_' (0x5F).
  EXPECT_LT(zrt::compare_names("a", "_"), 0);
}

TEST(NameOrdering, ProperPrefixSortsFirst) {
  EXPECT_LT(zrt::compare_names("Menu", "MenuItem"), 0);
  EXPECT_GT(zrt::compare_names("MENUITEM", "menu"), 0);
  EXPECT_LT(zrt::compare_names("", "a"), 0);
  EXPECT_GT(zrt::compare_names("a", ""), 0);
}

}  // namespace
