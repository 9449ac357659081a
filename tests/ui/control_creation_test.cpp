// Creating a window's controls from its definition: keys and the control
// table, containers, definition records and cloning, layout by locks and
// the release of everything when the window closes.
#include "runtime/interface/control_layout.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/window_controls.h"
#include "tests/core/image_data_builder.h"
#include "tests/core/object_test_support.h"
#include "tests/ui/definition_builder.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

namespace {

using definition_tests::DefinitionBuilder;
using object_tests::routine_behaviour;

// Each routine gets a made-up address; the setters the definitions use run
// the real routine with the recorded arguments.
zrt::CodeAddress routine_address(std::string_view name) {
  static std::map<std::string, zrt::CodeAddress, std::less<>> addresses;
  auto found = addresses.find(name);
  if (found == addresses.end()) found = addresses.emplace(std::string(name), 0x2000 + 16 * addresses.size()).first;
  return found->second;
}

ZObject* object_of(zrt::Word word) { return zrt::pointer_of<ZObject>(word); }
std::int32_t integer_of(zrt::Word word) { return static_cast<std::int32_t>(word); }

enum ClassIndex : std::int32_t { static_text_class = 0, canvas_class = 1, push_button_class = 2 };

class ControlCreation : public object_tests::ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    zrt::unregister_runtime_classes();
    zrt::register_runtime_classes(&routine_address);
    run_setter("stringSetter", [](auto a) { stringSetter(object_of(a[0]), integer_of(a[1]), zrt::pointer_of<ZString>(a[2])); });
    run_setter("integerSetter", [](auto a) { integerSetter(object_of(a[0]), integer_of(a[1]), integer_of(a[2])); });
    run_setter("ctlPosSetter", [](auto a) { ctlPosSetter(object_of(a[0]), integer_of(a[1]), integer_of(a[2])); });
    run_setter("controlLockTopSetter", [](auto a) { controlLockTopSetter(object_of(a[0]), 0, integer_of(a[2])); });
    run_setter("controlLockRightSetter", [](auto a) { controlLockRightSetter(object_of(a[0]), 0, integer_of(a[2])); });
    run_setter("staticCaptionSetter", [](auto a) { staticCaptionSetter(object_of(a[0]), 0, zrt::pointer_of<ZString>(a[2])); });
    const std::vector<zrt::Address> classes = {m_image.runtime_class_reference("StaticText"),
                                               m_image.runtime_class_reference("Canvas"),
                                               m_image.runtime_class_reference("PushButton")};
    const zrt::Address descriptor = m_image.application_descriptor(classes, {});
    ASSERT_TRUE(zrt::build_class_table(m_image.install_as_data1(), descriptor, &zrt::find_runtime_class).built);
    m_window = zrt::new_instance(zrt::runtime_class("Window"));
  }

  void TearDown() override {
    zrt::close_window_controls(m_window);
    zrt::unlock_object(m_window);
    ObjectTest::TearDown();
  }

  static void run_setter(std::string_view name, std::function<void(std::span<const zrt::Word>)> behaviour) {
    routine_behaviour()[routine_address(name)] = std::move(behaviour);
  }

  bool create(const DefinitionBuilder& built) {
    zrt::DefinitionStream stream(built.bytes());
    const bool read = zrt::read_window_controls(m_window, stream);
    EXPECT_TRUE(stream.at_end());
    return read;
  }

  ZObject* fetch(std::string_view name) {
    const zrt::StringRef key = zrt::StringRef::adopt(zrt::make_string(name));
    return RuntimeControlFetch(m_window, key.get());
  }

  static zrt::Bounds bounds_of(ZObject* control) { return zrt::ControlFields(control).bounds(); }

  object_tests::ImageDataBuilder m_image;
  ZObject* m_window = nullptr;
};

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
