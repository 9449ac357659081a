// Creating a window's controls from its definition: keys and the control
// table, containers, definition records and cloning, layout by locks and
// the release of everything when the window closes.
#include "runtime/interface/control_layout.h"
#include "runtime/ui/control_object.h"
#include "tests/ui/control_test_support.h"

#include <gtest/gtest.h>

namespace {

using ControlCreation = control_tests::WindowWithControls;
using definition_tests::DefinitionBuilder;
using enum control_tests::ClassIndex;

TEST_F(ControlCreation, FindsControlsByNameAndArrayMembersByIndex) {
  DefinitionBuilder built;
  built.integer(3);
  built.control(static_text_class, {{"Name", "ListLabel"}, {"Index", "-2147483648"}, {"Text", "Frequency"}});
  built.control(push_button_class, {{"Name", "Button"}, {"Index", "0"}});
  built.control(push_button_class, {{"Name", "Button"}, {"Index", "2"}});
  built.integer(0);
  ASSERT_TRUE(create(built));

  EXPECT_EQ(zrt::window_control_count(m_window), 3);
  ZObject* label = fetch("listlabel");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(zrt::string_text(zrt::ControlFields(label).string(zif::static_text_fields::text)), "Frequency");
  EXPECT_EQ(fetch("Button"), nullptr) << "an array member is found only with its index";
  const zrt::StringRef button = zrt::StringRef::adopt(zrt::make_string("BUTTON"));
  const zrt::ObjectRef second = zrt::ObjectRef::adopt(RuntimeControlArrayItemReference(m_window, button.get(), 2));
  ASSERT_NE(second.get(), nullptr);
  EXPECT_EQ(zrt::ControlFields(second.get()).value<std::int32_t>(zif::control_fields::key_index), 2);

  // The clone takes the free index between the two members and the first
  // member's properties.
  const zrt::ObjectRef clone = zrt::ObjectRef::adopt(zrt::clone_window_control(m_window, "button"));
  ASSERT_NE(clone.get(), nullptr);
  EXPECT_EQ(zrt::ControlFields(clone.get()).value<std::int32_t>(zif::control_fields::index), 1);
  EXPECT_TRUE(zrt::ControlFields(clone.get()).flag(zif::control_fields::cloned));
  EXPECT_EQ(zrt::window_control_count(m_window), 4);
  EXPECT_EQ(zrt::clone_window_control(m_window, "Missing"), nullptr);
}

TEST_F(ControlCreation, AControlOverACanvasTakesItAsContainer) {
  DefinitionBuilder built;
  built.integer(2);
  built.control(canvas_class, {{"Name", "Plot"}, {"Left", "15"}, {"Top", "15"}, {"Width", "526"}, {"Height", "378"}});
  built.control(static_text_class, {{"Name", "Label"}, {"Left", "20"}, {"Top", "20"}, {"Width", "50"}, {"Height", "10"}});
  built.integer(0);
  ASSERT_TRUE(create(built));
  ZObject* plot = fetch("Plot");
  ZObject* label = fetch("Label");
  EXPECT_EQ(zrt::ControlFields(label).reference(zif::control_fields::container), plot);
  EXPECT_EQ(zrt::ControlFields(plot).reference(zif::control_fields::container), nullptr);
}

TEST_F(ControlCreation, LocksMoveOnlyTheLockedControls) {
  DefinitionBuilder built;
  built.integer(2);
  built.control(push_button_class,
          {{"Name", "Quit"}, {"Left", "242"}, {"Top", "495"}, {"Width", "99"}, {"Height", "20"},
           {"LockTop", "True"}, {"LockRight", "True"}});
  built.control(static_text_class, {{"Name", "Title"}, {"Left", "16"}, {"Top", "9"}, {"Width", "93"}, {"Height", "16"}});
  built.integer(0);
  ASSERT_TRUE(create(built));
  zrt::lay_out_window_controls(m_window, 30, 40);
  EXPECT_EQ(bounds_of(fetch("Quit")), (zrt::Bounds{495, 272, 515, 371}));
  EXPECT_EQ(bounds_of(fetch("Title")), (zrt::Bounds{9, 16, 25, 109}));
}

TEST_F(ControlCreation, ACutOffControlLeavesWhatWasMadeForTheClose) {
  DefinitionBuilder built;
  built.integer(2);
  built.control(static_text_class, {{"Name", "First"}});
  built.integer(push_button_class).integer(3).pair("Name", "Cut");
  zrt::DefinitionStream stream(built.bytes());
  EXPECT_FALSE(zrt::read_window_controls(m_window, stream));
  EXPECT_FALSE(stream.error().empty());
  EXPECT_EQ(zrt::window_control_count(m_window), 2) << "closing the window releases both";
}

}  // namespace
