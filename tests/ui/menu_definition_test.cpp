// Reading menu definitions: the parts of menus and items, submenus, the
// index values that stand for no index, and streams that are cut short or
// corrupt, which give an error naming what could not be read.
#include "runtime/ui/menu_definition.h"
#include "tests/ui/menu_test_support.h"

#include <gtest/gtest.h>

namespace {

using menu_tests::ItemEntry;
using menu_tests::menu_definition;

zrt::MenuBarDefinition read_successfully(const std::vector<std::uint8_t>& bytes) {
  auto read = zrt::read_menu_definition(bytes);
  if (const auto* error = std::get_if<std::string>(&read)) ADD_FAILURE() << *error;
  return std::get_if<zrt::MenuBarDefinition>(&read) != nullptr ? std::get<zrt::MenuBarDefinition>(read)
                                                               : zrt::MenuBarDefinition{};
}

std::string read_error(const std::vector<std::uint8_t>& bytes) {
  auto read = zrt::read_menu_definition(bytes);
  const auto* error = std::get_if<std::string>(&read);
  return error != nullptr ? *error : std::string("(read)");
}

TEST(MenuDefinition, ReadsMenusItemsAndSubmenusInOrder) {
  const ItemEntry recent{.text = "Recent", .name = "FileRecent", .class_index = 3, .has_submenu = true};
  ItemEntry with_submenu = recent;
  with_submenu.submenu = {{.text = "One", .name = "RecentOne", .index = 0}, {.text = "-"}};
  const auto bytes = menu_definition({
      {.kind = 1, .title = "Apple", .items = {{.text = "About"}}},
      {.kind = 0, .title = "File", .items = {{.text = "Quit", .name = "FileQuit", .key = "Q", .class_index = 2},
                                             with_submenu, {.kind = 2}}},
  }).bytes();
  const zrt::MenuBarDefinition bar = read_successfully(bytes);
  ASSERT_EQ(bar.menus.size(), 2u);
  EXPECT_EQ(bar.menus[0].kind, 1);
  EXPECT_EQ(bar.menus[1].title, "File");
  const auto& items = bar.menus[1].items;
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].text, "Quit");
  EXPECT_EQ(items[0].name, "FileQuit");
  EXPECT_EQ(items[0].command_key, "Q");
  EXPECT_EQ(items[0].class_index, 2);
  EXPECT_EQ(items[0].index, -2147483648);
  ASSERT_TRUE(items[1].has_submenu);
  ASSERT_EQ(items[1].submenu.size(), 2u);
  EXPECT_EQ(items[1].submenu[0].name, "RecentOne");
  EXPECT_EQ(items[1].submenu[0].index, 0);
  EXPECT_EQ(items[2].kind, zrt::placeholder_item_kind);
}

TEST(MenuDefinition, TheOtherNoIndexValuesReadAsNoIndex) {
  for (std::int64_t written : {0x80000010LL, 0x80100000LL}) {
    definition_tests::DefinitionBuilder stream;
    stream.integer(1).integer(0).text("File").text("").integer(0).text("").text("").text("").byte(0).byte(0);
    stream.integer(0).integer(1);
    stream.integer(0).text("Open").text("FileOpen").integer(-(0x100000000LL - written)).text("").text("").text("");
    stream.byte(0).byte(0).integer(0);
    const zrt::MenuBarDefinition bar = read_successfully(stream.bytes());
    ASSERT_EQ(bar.menus.size(), 1u);
    EXPECT_EQ(bar.menus[0].items.at(0).index, -2147483648) << written;
  }
}

TEST(MenuDefinition, EveryCutOfAValidDefinitionIsAnError) {
  ItemEntry submenu{.text = "More", .has_submenu = true};
  submenu.submenu = {{.text = "Deep", .name = "Deep", .key = "D"}};
  const auto bytes =
      menu_definition({{.title = "File", .items = {{.text = "Open", .name = "FileOpen", .key = "O"}, submenu}}}).bytes();
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_NE(read_error(cut).find("menu definition stream: cannot read the "), std::string::npos) << length;
  }
  EXPECT_TRUE(read_error({0x80}).starts_with("menu definition stream: cannot read the menu count: "))
      << read_error({0x80});
}

TEST(MenuDefinition, NegativeCountsAndEndlessNestingAreErrors) {
  definition_tests::DefinitionBuilder negative;
  negative.integer(-1);
  EXPECT_NE(read_error(negative.bytes()).find("negative count"), std::string::npos);

  definition_tests::DefinitionBuilder nested;
  nested.integer(1).integer(0).text("File").text("").integer(0).text("").text("").text("").byte(0).byte(0).integer(0);
  for (int depth = 0; depth < 40; ++depth)
    nested.integer(1).integer(0).text("x").text("").integer(0).text("").text("").text("").byte(0).byte(1).integer(0);
  EXPECT_EQ(read_error(nested.bytes()), "menu definition: submenus nested deeper than 32");
}

}  // namespace
