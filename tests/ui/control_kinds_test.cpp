// The table of control kinds: a control's kind is the nearest one along its
// class chain, and a class from outside the runtime can be given a kind.
#include "runtime/ui/control_kinds.h"
#include "runtime/ui/control_panes.h"
#include "tests/core/object_test_support.h"

#include <gtest/gtest.h>

namespace {

using object_tests::TestClass;

class ControlKinds : public object_tests::ObjectTest {
 protected:
  void TearDown() override {
    zrt::forget_registered_control_kinds();
    ObjectTest::TearDown();
  }

  static const zrt::ControlKind* kind_of_instance(zrt::ClassRecord& record) {
    const zrt::ObjectRef object = zrt::ObjectRef::adopt(zrt::new_instance(record));
    return zrt::control_kind_of(object.get());
  }
};

TEST_F(ControlKinds, AControlTakesTheNearestKindOfItsClassChain) {
  TestClass button_subclass("MyButton", &zrt::runtime_class("PushButton"), 116);
  TestClass not_a_control("Counter");
  EXPECT_EQ(kind_of_instance(zrt::runtime_class("PushButton")), &zrt::push_button_kind);
  EXPECT_EQ(kind_of_instance(*button_subclass), &zrt::push_button_kind);
  EXPECT_EQ(kind_of_instance(zrt::runtime_class("RectControl")), &zrt::control_base_kind);
  EXPECT_EQ(kind_of_instance(*not_a_control), nullptr);
  EXPECT_EQ(zrt::control_kind_of(nullptr), nullptr);

  std::vector<std::string_view> chain;
  const zrt::ObjectRef object = zrt::ObjectRef::adopt(zrt::new_instance(*button_subclass));
  zrt::for_each_control_kind_of(object.get(), [&](const zrt::ControlKind& kind) { chain.push_back(kind.class_name); });
  EXPECT_EQ(chain, (std::vector<std::string_view>{"PushButton", "Control"}));
}

TEST_F(ControlKinds, AClassFromOutsideTheRuntimeIsGivenAKindByItsRecord) {
  TestClass separator("Separator", &zrt::runtime_class("RectControl"), 92);
  const zrt::ControlKind drawn{.class_name = "Separator", .make_pane = &zrt::make_drawn_pane};
  const zrt::ControlKind redrawn{.class_name = "Separator"};
  EXPECT_EQ(kind_of_instance(*separator), &zrt::control_base_kind);
  zrt::register_control_kind(separator.get(), drawn);
  EXPECT_EQ(kind_of_instance(*separator), &drawn);
  zrt::register_control_kind(separator.get(), redrawn);
  EXPECT_EQ(kind_of_instance(*separator), &redrawn);
}

}  // namespace
