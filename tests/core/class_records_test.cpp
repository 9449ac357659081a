// The lookups over class chains: the handler of an event with its
// redeclaration rule, and hooks by key.
#include "tests/core/object_test_support.h"

#include <gtest/gtest.h>

namespace {

using object_tests::ObjectTest;
using object_tests::TestClass;

// Declared raises Action; Middle and Leaf descend from it.
class EventHandlerTest : public ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    m_declaring = std::make_unique<TestClass>("Declaring");
    m_middle = std::make_unique<TestClass>("Middle", m_declaring->get());
    m_leaf = std::make_unique<TestClass>("Leaf", m_middle->get());
    zrt::append_event(**m_declaring, "Action", "", "", 0);
  }

  void TearDown() override {
    m_leaf.reset();
    m_middle.reset();
    m_declaring.reset();
    ObjectTest::TearDown();
  }

  const zrt::EventEntry* action() const { return (*m_declaring)->events; }

  std::unique_ptr<TestClass> m_declaring, m_middle, m_leaf;
};

TEST_F(EventHandlerTest, HandlerNearestTheDeclaringClassWins) {
  zrt::push_hook(**m_leaf, "Action", 0, 0x3001);
  EXPECT_EQ(zrt::find_event_handler(m_leaf->get(), action()), 0x3001u);
  zrt::push_hook(**m_middle, "action", 0, 0x3002);
  EXPECT_EQ(zrt::find_event_handler(m_leaf->get(), action()), 0x3002u) << "the superclass's handler is found";
  EXPECT_EQ(zrt::find_event_handler(m_middle->get(), action()), 0x3002u);
  EXPECT_EQ(zrt::find_event_handler(m_declaring->get(), action()), 0u);
}

TEST_F(EventHandlerTest, RedeclarationHidesTheHandlersBelowItFromTheOriginalEvent) {
  zrt::push_hook(**m_leaf, "Action", 0, 0x3001);
  zrt::append_event(**m_middle, "Action", "", "", 0);
  const zrt::EventEntry* redeclared = (*m_middle)->events;
  EXPECT_EQ(zrt::find_event_handler(m_leaf->get(), action()), 0u);
  EXPECT_EQ(zrt::find_event_handler(m_leaf->get(), redeclared), 0x3001u);
  EXPECT_EQ(zrt::find_event_declaration(m_leaf->get(), "ACTION"), redeclared);

  // A handler in the redeclaring class itself still answers the original.
  zrt::push_hook(**m_middle, "Action", 0, 0x3002);
  EXPECT_EQ(zrt::find_event_handler(m_leaf->get(), action()), 0x3002u);
}

TEST_F(EventHandlerTest, EventOutsideTheChainHasNoHandler) {
  TestClass other("Other");
  zrt::append_event(*other, "Action", "", "", 0);
  zrt::push_hook(**m_leaf, "Action", 0, 0x3001);
  EXPECT_EQ(zrt::find_event_handler(m_leaf->get(), other->events), 0u);
}

TEST_F(EventHandlerTest, HooksByKeyLookInTheOwnClassFirst) {
  zrt::push_hook(**m_middle, "Open", 5, 0x4001);
  zrt::push_hook(**m_leaf, "Paint", 5, 0x4002);
  zrt::push_hook(**m_leaf, "Close", 6, 0x4003);
  EXPECT_EQ(zrt::find_hook_by_key(m_leaf->get(), 5), 0x4002u);
  EXPECT_EQ(zrt::find_hook_by_key(m_leaf->get(), 6), 0x4003u);
  EXPECT_EQ(zrt::find_hook_by_key(m_middle->get(), 6), 0u);
}

}  // namespace
