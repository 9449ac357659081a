// The name dictionary: its hash, lookups without regard to case, replacing
// values, chains within one bucket and the order of insertion.
#include "runtime/core/memory.h"
#include "runtime/core/name_dictionary.h"
#include "runtime/core/strings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(NameDictionary, HashFoldsAsciiLettersAndTakesBytesAsSigned) {
  struct Case {
    std::string_view name;
    std::uint32_t hash;
  };
  const Case cases[] = {
      {"", 0},
      {"A", 0x41},
      {"ab", 0x42 ^ (0x41 << 2)},
      {"AB", 0x42 ^ (0x41 << 2)},
      {"\xE9", 0xFFFFFFE9},                // signed byte, sign-extended
      {"\xE9" "A", 0x41 ^ (0xFFFFFFE9u << 2)},
      {"_1", 0x31 ^ (0x5F << 2)},
  };
  for (const Case& c : cases) EXPECT_EQ(zrt::name_hash(c.name), c.hash) << c.name;
}

TEST(NameDictionary, FindsReplacesAndKeepsInsertionOrder) {
  const std::int64_t strings = zrt::live_string_count();
  const std::size_t bytes = zrt::live_bytes();
  {
    zrt::NameDictionary<int> names;
    // "A" and "@A" share bucket 0x41.
    ASSERT_EQ(zrt::name_hash("A") & 0xFF, zrt::name_hash("@A") & 0xFF);
    names.insert("A", 1);
    names.insert("@A", 2);
    names.insert("RuntimeUnlockObject", 3);
    names.insert("a", 10);  // the same name: replaced in place

    ASSERT_NE(names.find("@a"), nullptr);
    EXPECT_EQ(*names.find("@a"), 2);
    EXPECT_EQ(*names.find("A"), 10);
    EXPECT_EQ(*names.find("runtimeunlockobject"), 3);
    EXPECT_EQ(names.find("RuntimeUnlockObjects"), nullptr);
    EXPECT_EQ(names.find(""), nullptr);

    std::vector<std::pair<std::string, int>> order;
    names.for_each([&](std::string_view name, int value) { order.emplace_back(name, value); });
    EXPECT_EQ(order, (std::vector<std::pair<std::string, int>>{{"A", 10}, {"@A", 2}, {"RuntimeUnlockObject", 3}}));
  }
  EXPECT_EQ(zrt::live_string_count(), strings);
  EXPECT_EQ(zrt::live_bytes(), bytes);
}

}  // namespace
