// Property values from definition texts: the conversions by type, the
// lookup of names along the class chain in any letter case, and the setter
// call with (object, parameter, value) and its references.
#include "runtime/interface/window_layout.h"
#include "runtime/ui/property_values.h"
#include "tests/core/object_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using object_tests::recorded_calls;
using object_tests::routine_behaviour;

TEST(PropertyValueText, IntegersAccumulateEveryDigitAndSkipTheRest) {
  EXPECT_EQ(zrt::integer_of_value_text("12a3"), 123);
  EXPECT_EQ(zrt::integer_of_value_text("-"), 0);
  EXPECT_EQ(zrt::integer_of_value_text(""), 0);
  EXPECT_EQ(zrt::integer_of_value_text("-532"), -532);
  EXPECT_EQ(zrt::integer_of_value_text("16777215"), 16777215);
  EXPECT_EQ(zrt::integer_of_value_text("3-4"), 34) << "only a leading minus counts";
  EXPECT_EQ(zrt::integer_of_value_text("4294967297"), 1) << "the value wraps at 32 bits";
}

TEST(PropertyValueText, BooleansAreTrueOnlyForTrueInAnyCase) {
  EXPECT_TRUE(zrt::boolean_of_value_text("TRUE"));
  EXPECT_TRUE(zrt::boolean_of_value_text("true"));
  EXPECT_TRUE(zrt::boolean_of_value_text("True"));
  EXPECT_FALSE(zrt::boolean_of_value_text("yes"));
  EXPECT_FALSE(zrt::boolean_of_value_text("1"));
  EXPECT_FALSE(zrt::boolean_of_value_text("True "));
}

// Gives every accessor routine a made-up address of its own.
zrt::CodeAddress fake_routine(std::string_view name) {
  static std::map<std::string, zrt::CodeAddress, std::less<>> addresses;
  auto found = addresses.find(name);
  if (found == addresses.end()) found = addresses.emplace(std::string(name), 0x1000 + 16 * addresses.size()).first;
  return found->second;
}

class PropertyValues : public object_tests::ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    // The fixture registered the classes without routines; these tests need
    // the setters' addresses.
    zrt::unregister_runtime_classes();
    zrt::register_runtime_classes(&fake_routine);
    m_dialog = zrt::ObjectRef::adopt(zrt::new_instance(zrt::runtime_class("Dialog")));
  }
  void TearDown() override {
    m_dialog = {};
    ObjectTest::TearDown();
  }

  const object_tests::RecordedCall& only_call() {
    EXPECT_EQ(recorded_calls().size(), 1u);
    return recorded_calls().front();
  }

  zrt::ObjectRef m_dialog;
};

TEST_F(PropertyValues, FindsAWindowPropertyFromASubclassInAnyCase) {
  const zrt::PropertyEntry* property = zrt::find_property(zrt::class_of(m_dialog.get()), "MacProcID");
  ASSERT_NE(property, nullptr);
  EXPECT_EQ(zrt::string_text(property->name), "MacProcId");
  EXPECT_EQ(zrt::find_property(zrt::class_of(m_dialog.get()), "Name"), nullptr);
}

TEST_F(PropertyValues, CallsTheSetterWithTheParameterAndTheConvertedValue) {
  EXPECT_TRUE(zrt::set_property_from_text(m_dialog.get(), "height", "5x32"));
  const auto& call = only_call();
  EXPECT_EQ(call.routine, fake_routine("windowPosSetter"));
  ASSERT_EQ(call.arguments.size(), 3u);
  EXPECT_EQ(call.arguments[0], zrt::word_of_pointer(m_dialog.get()));
  EXPECT_EQ(call.arguments[1], 3u) << "Height is selector 3";
  EXPECT_EQ(call.arguments[2], 532u);
}

TEST_F(PropertyValues, StoredPropertiesPassTheirFieldOffset) {
  EXPECT_TRUE(zrt::set_property_from_text(m_dialog.get(), "MacProcID", "-7"));
  const auto& call = only_call();
  EXPECT_EQ(call.routine, fake_routine("integerSetter"));
  EXPECT_EQ(call.arguments[1], static_cast<zrt::Word>(zif::window_fields::mac_proc_id));
  EXPECT_EQ(static_cast<std::int32_t>(call.arguments[2]), -7);
}

TEST_F(PropertyValues, BooleansPassOneOrZero) {
  EXPECT_TRUE(zrt::set_property_from_text(m_dialog.get(), "CloseBox", "TRUE"));
  EXPECT_TRUE(zrt::set_property_from_text(m_dialog.get(), "GrowIcon", "yes"));
  ASSERT_EQ(recorded_calls().size(), 2u);
  EXPECT_EQ(recorded_calls()[0].arguments[2], 1u);
  EXPECT_EQ(recorded_calls()[1].arguments[2], 0u);
}

TEST_F(PropertyValues, AStringValueLivesWhileTheSetterRunsAndIsReleasedAfter) {
  std::string seen;
  routine_behaviour()[fake_routine("windowTitleSetter")] = [&](std::span<const zrt::Word> arguments) {
    seen = std::string(zrt::string_text(zrt::pointer_of<ZString>(arguments[2])));
  };
  EXPECT_TRUE(zrt::set_property_from_text(m_dialog.get(), "Title", "Plot of x"));
  EXPECT_EQ(seen, "Plot of x");
  // The fixture's leak check finds a string the setter call did not release.
}

TEST_F(PropertyValues, ClassTypedValuesAreProjectObjectsAndZeroIsNil) {
  EXPECT_TRUE(zrt::set_property_from_text(m_dialog.get(), "Backdrop", "0"));
  EXPECT_TRUE(zrt::set_property_from_text(m_dialog.get(), "MouseCursor", "3"));
  ASSERT_EQ(recorded_calls().size(), 2u);
  EXPECT_EQ(recorded_calls()[0].arguments[2], 0u);
  EXPECT_EQ(recorded_calls()[1].arguments[2], 0u) << "no project object 3 exists";
}

TEST_F(PropertyValues, SkipsUnknownNamesAndReadOnlyProperties) {
  EXPECT_FALSE(zrt::set_property_from_text(m_dialog.get(), "Name", "AboutWin"));
  EXPECT_FALSE(zrt::set_property_from_text(m_dialog.get(), "ControlCount", "4"));
  EXPECT_TRUE(recorded_calls().empty());
}

}  // namespace
