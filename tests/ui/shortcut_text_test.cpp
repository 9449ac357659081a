// Shortcut labels from CommandKey, key texts from key presses, and the pool
// of command identifiers that items draw from.
#include "runtime/ui/command_identifiers.h"
#include "runtime/ui/shortcut_text.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using zrt::KeyPress;

TEST(ShortcutText, CommandKeysGiveTheLabelsThatKeyPressesAreComparedWith) {
  const std::pair<const char*, const char*> cases[] = {
      {"Q", "Ctrl+Q"},                   // one character: Control
      {"Shift-Q", "Ctrl+Shft+Q"},
      {"shift-alt-Z", "Ctrl+Shft+Alt+Z"},  // modifier words in any case
      {"Control-F5", "Ctrl+F5"},
      {"F5", "F5"},                      // a longer key name is no Control shortcut by itself
      {"Alt-Del", "Alt+Del"},
      {"Option-X", "Ctrl+X"},            // Option has no key here
      {"Shift-", "Ctrl+Shft+-"},         // an empty last field is the key "-"
      {"-", "Ctrl+-"},
      {"", ""},
  };
  for (const auto& [command_key, label] : cases) EXPECT_EQ(zrt::shortcut_text(command_key), label) << command_key;
}

TEST(ShortcutText, KeyPressesAreNamedLikeShortcuts) {
  EXPECT_EQ(zrt::key_text({'Q', true, false, false}), "Ctrl+Q");
  EXPECT_EQ(zrt::key_text({'Q', true, true, true}), "Ctrl+Shft+Alt+Q");
  EXPECT_EQ(zrt::key_text({'7', false, false, false}), "7");
  EXPECT_EQ(zrt::key_text({0x70, false, false, false}), "F1");
  EXPECT_EQ(zrt::key_text({0x87, true, false, false}), "Ctrl+F24");
  const std::pair<std::uint32_t, const char*> named[] = {
      {8, "Bsp"},    {9, "Tab"},   {12, "Clr"},   {13, "Enter"}, {27, "Esc"},     {32, "Space"},
      {33, "PgUp"},  {34, "PgDn"}, {35, "End"},   {36, "Home"},  {37, "Left"},    {38, "Up"},
      {39, "Right"}, {40, "Down"}, {44, "Snapshot"}, {45, "Ins"}, {46, "Del"},   {47, "Help"},
  };
  for (const auto& [key, name] : named) EXPECT_EQ(zrt::key_text({key, false, false, false}), name) << key;
}

TEST(CommandIdentifiers, ItemsTakeTheLowestFreeIdentifierAndGetNoneWhenAllAreTaken) {
  zrt::CommandIdentifiers pool;
  EXPECT_EQ(pool.take(), 1000);
  EXPECT_EQ(pool.take(), 1001);
  EXPECT_EQ(pool.take(), 1002);
  pool.give_back(1001);
  EXPECT_FALSE(pool.in_use(1001));
  EXPECT_EQ(pool.take(), 1001) << "a returned identifier is the lowest free one again";
  for (int i = 3; i < zrt::CommandIdentifiers::count; ++i) ASSERT_NE(pool.take(), 0);
  EXPECT_TRUE(pool.in_use(2023));
  EXPECT_EQ(pool.take(), 0) << "all 1024 are taken";
  pool.give_back(0);
  pool.give_back(999);
  pool.give_back(2024);
  EXPECT_EQ(pool.take(), 0) << "identifiers outside the pool free nothing";
  pool.give_back(1500);
  EXPECT_EQ(pool.take(), 1500);
}

}  // namespace
