#include "runtime/ui/control_table.h"

#include "runtime/interface/control_layout.h"
#include "tests/core/leak_checked_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zrt {
namespace {

using ControlTableTest = runtime_test::LeakCheckedTest;

// Distinct stand-ins for controls: the table only stores the pointers.
ZObject* stand_in(int n) { return reinterpret_cast<ZObject*>(static_cast<std::uintptr_t>(0x1000 + 16 * n)); }

TEST_F(ControlTableTest, KeysOfArrayMembersCarryTheirIndex) {
  EXPECT_EQ(control_key("ListBox1", zif::control_fields::no_index), "ListBox1");
  EXPECT_EQ(control_key("Button", 0), "Button$0");
  EXPECT_EQ(control_key("Button", 12), "Button$12");
}

TEST_F(ControlTableTest, FindsByKeyInAnyLetterCase) {
  ControlTable table;
  table.insert("ListBox1", stand_in(1));
  table.insert(control_key("Button", 0), stand_in(2));
  EXPECT_EQ(find_control(&table, "listbox1"), stand_in(1));
  EXPECT_EQ(find_control(&table, "LISTBOX1"), stand_in(1));
  // An array member is found only with its index.
  EXPECT_EQ(find_control(&table, "Button"), nullptr);
  EXPECT_EQ(find_control(&table, "button$0"), stand_in(2));
  EXPECT_EQ(find_control(nullptr, "ListBox1"), nullptr);
}

TEST_F(ControlTableTest, ReplacingAKeyKeepsItsPlaceInTheOrder) {
  ControlTable table;
  table.insert("First", stand_in(1));
  table.insert("Second", stand_in(2));
  table.insert("first", stand_in(3));
  std::vector<ZObject*> order;
  table.for_each([&](std::string_view, ZObject* control) { order.push_back(control); });
  EXPECT_EQ(order, (std::vector<ZObject*>{stand_in(3), stand_in(2)}));
}

TEST_F(ControlTableTest, NewMembersTakeTheLowestFreeIndex) {
  ControlTable table;
  EXPECT_EQ(lowest_free_member_index(table, "Button"), 0);
  table.insert(control_key("Button", 0), stand_in(1));
  table.insert(control_key("Button", 2), stand_in(2));
  EXPECT_EQ(lowest_free_member_index(table, "button"), 1);
}

TEST_F(ControlTableTest, KeepsTheFirstDefinitionOfEachName) {
  ControlDefinitions definitions;
  definitions.keep({.name = "Button", .index = 0, .record = nullptr, .properties = {{"Caption", "One"}}});
  definitions.keep({.name = "BUTTON", .index = 1, .record = nullptr, .properties = {{"Caption", "Two"}}});
  const ControlDefinition* found = definitions.find("button");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->index, 0);
  EXPECT_EQ(found->properties.front().second, "One");
  EXPECT_EQ(definitions.find("Other"), nullptr);
}

}  // namespace
}  // namespace zrt
