// The platform the tests run on: 32-bit Windows (or Wine) with the pinned
// locale, whose separators the number formatting tests rely on.
#include <windows.h>

#include <gtest/gtest.h>

TEST(Platform, IsThirtyTwoBitWindows) {
  EXPECT_EQ(sizeof(void*), 4u);
  SYSTEM_INFO info{};
  ::GetSystemInfo(&info);
  EXPECT_EQ(info.wProcessorArchitecture, PROCESSOR_ARCHITECTURE_INTEL);
}

TEST(Platform, LocaleIsPinnedToWesternEuropeanAnsi) {
  EXPECT_EQ(::GetACP(), 1252u);
  char decimal[4] = {}, thousands[4] = {};
  ASSERT_GT(::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal), 0);
  ASSERT_GT(::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousands, sizeof thousands), 0);
  EXPECT_STREQ(decimal, ".");
  EXPECT_STREQ(thousands, ",");
}
