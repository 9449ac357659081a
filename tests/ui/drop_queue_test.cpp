// Queued drops: each reaches its target's DropObject handler with its item
// in the next turn, oldest first, and both references are given up after.
#include "runtime/ui/drop_queue.h"
#include "tests/core/object_test_support.h"

#include <gtest/gtest.h>

namespace {

using object_tests::recorded_calls;
using object_tests::routine_behaviour;
using object_tests::TestClass;

class DropQueue : public object_tests::ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    m_window_class = std::make_unique<TestClass>("Main", &zrt::runtime_class("Window"), 112);
    zrt::push_hook(**m_window_class, "DropObject", 0, 0x5100);
  }
  void TearDown() override {
    m_window_class.reset();
    ObjectTest::TearDown();
  }

  zrt::ObjectRef new_window() { return zrt::ObjectRef::adopt(zrt::new_instance(**m_window_class)); }
  static zrt::ObjectRef new_item() {
    return zrt::ObjectRef::adopt(zrt::new_instance(zrt::runtime_class("DragItem")));
  }

  std::unique_ptr<TestClass> m_window_class;
};

TEST_F(DropQueue, DeliversEachDropToItsTargetOldestFirst) {
  const zrt::ObjectRef first = new_window();
  const zrt::ObjectRef second = new_window();
  const zrt::ObjectRef item = new_item();
  zrt::queue_drop(first.get(), item.get());
  zrt::queue_drop(second.get(), item.get());
  EXPECT_EQ(item.get()->count, 3) << "the queue holds the item once per drop";
  EXPECT_TRUE(recorded_calls().empty()) << "nothing is raised before the loop delivers";
  zrt::deliver_queued_drops();
  ASSERT_EQ(recorded_calls().size(), 2u);
  EXPECT_EQ(recorded_calls()[0].arguments,
            (std::vector<zrt::Word>{zrt::word_of_pointer(first.get()), zrt::word_of_pointer(item.get())}));
  EXPECT_EQ(recorded_calls()[1].arguments[0], zrt::word_of_pointer(second.get()));
  EXPECT_EQ(item.get()->count, 1);
  EXPECT_FALSE(zrt::drops_queued());
}

TEST_F(DropQueue, ADropQueuedByAHandlerWaitsForTheNextTurn) {
  const zrt::ObjectRef target = new_window();
  const zrt::ObjectRef item = new_item();
  routine_behaviour()[0x5100] = [&](std::span<const zrt::Word>) {
    if (recorded_calls().size() == 1) zrt::queue_drop(target.get(), item.get());
  };
  zrt::queue_drop(target.get(), item.get());
  zrt::deliver_queued_drops();
  EXPECT_EQ(recorded_calls().size(), 1u);
  EXPECT_TRUE(zrt::drops_queued());
  zrt::deliver_queued_drops();
  EXPECT_EQ(recorded_calls().size(), 2u);
}

}  // namespace
