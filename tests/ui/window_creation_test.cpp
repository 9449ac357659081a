// Creating a window up to its native window, natively: the class the
// definition names, the implicit instance variable, the frame's default
// placement, and definitions or builds that fail and leave nothing behind.
#include "runtime/ui/window_creation.h"
#include "runtime/ui/window_object.h"
#include "tests/core/image_data_builder.h"
#include "tests/core/object_test_support.h"
#include "tests/ui/definition_builder.h"

#include <gtest/gtest.h>

namespace {

using definition_tests::DefinitionBuilder;
using object_tests::routine_behaviour;

namespace fields = zif::window_fields;

constexpr zrt::CodeAddress frame_setter = 0x6100;
constexpr zrt::CodeAddress position_setter = 0x6200;
constexpr zrt::ScreenSize screen{800, 600};

// Only the setters these tests use have addresses.
zrt::CodeAddress resolve(std::string_view name) {
  if (name == "windowFrameSetter") return frame_setter;
  if (name == "windowPosSetter") return position_setter;
  return 0;
}

ZObject* window_argument(std::span<const zrt::Word> arguments) { return zrt::pointer_of<ZObject>(arguments[0]); }

// What the build saw, and whether it succeeds.
struct BuildRecord {
  int calls = 0;
  zrt::WindowKind kind = 0;
  zrt::Word variable_during_build = 0;
  bool succeed = true;
};
BuildRecord g_build;

bool fake_build(ZObject* window, zrt::WindowKind kind, zrt::DefinitionStream&, zrt::Word* variable) {
  ++g_build.calls;
  g_build.kind = kind;
  g_build.variable_during_build = variable != nullptr ? *variable : 0;
  // A real build attaches a native window; any non-null record stands for it.
  if (g_build.succeed) zrt::WindowFields(window).set_native(reinterpret_cast<zrt::NativeWindow*>(window));
  return g_build.succeed;
}

class WindowCreation : public object_tests::ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    zrt::unregister_runtime_classes();
    zrt::register_runtime_classes(&resolve);
    g_build = {};
    routine_behaviour()[frame_setter] = [](std::span<const zrt::Word> arguments) {
      zrt::WindowFields(window_argument(arguments)).set_value(fields::frame, static_cast<std::int32_t>(arguments[2]));
    };
    routine_behaviour()[position_setter] = [](std::span<const zrt::Word> arguments) {
      const zrt::WindowFields window(window_argument(arguments));
      zrt::Bounds bounds = window.bounds();
      const auto value = static_cast<std::int16_t>(arguments[2]);
      if (arguments[1] == 2) bounds.right = static_cast<std::int16_t>(bounds.left + value);
      if (arguments[1] == 3) bounds.bottom = static_cast<std::int16_t>(bounds.top + value);
      window.set_bounds(bounds);
    };
    const zrt::Address window_reference = m_image.runtime_class_reference("Window");
    const zrt::Address other = m_image.class_descriptor(object_tests::class_described("NotAWindow"));
    const zrt::Address descriptor = m_image.application_descriptor({window_reference, other}, {});
    ASSERT_TRUE(zrt::build_class_table(m_image.install_as_data1(), descriptor, &zrt::find_runtime_class).built);
  }

  // Closing stands in for the native window's reference and the variable's.
  void TearDown() override {
    if (m_variable != 0) zrt::unlock_object(zrt::pointer_of<ZObject>(std::exchange(m_variable, 0)));
    ObjectTest::TearDown();
  }

  zrt::ObjectRef create(const DefinitionBuilder& definition) {
    zrt::WindowCreation made = zrt::create_window(definition.bytes(), &m_variable, screen, &fake_build);
    m_fault = made.fault;
    return zrt::ObjectRef::adopt(made.window);
  }

  object_tests::ImageDataBuilder m_image;
  zrt::Word m_variable = 0;
  std::string m_fault;
};

TEST_F(WindowCreation, PlacesTheWindowByItsFramesDefaultPlacementAndHoldsItInTheVariable) {
  DefinitionBuilder definition;
  definition.window(0, {{"Width", "200"}, {"Height", "100"}, {"Frame", "1"}});
  const zrt::ObjectRef window = create(definition);
  ASSERT_NE(window.get(), nullptr);
  EXPECT_EQ(g_build.calls, 1);
  EXPECT_EQ(g_build.kind, 3);
  EXPECT_EQ(g_build.variable_during_build, zrt::word_of_pointer(window.get())) << "handlers reach it during the build";
  const zrt::WindowFields fields_of(window.get());
  EXPECT_EQ(fields_of.bounds(), (zrt::Bounds{125, 300, 225, 500})) << "Frame 1 centres by default";
  EXPECT_EQ(fields_of.last_bounds(), fields_of.bounds());
  fields_of.set_native(nullptr);
}

TEST_F(WindowCreation, AFailedBuildGivesNilAndEmptiesTheVariable) {
  g_build.succeed = false;
  DefinitionBuilder definition;
  definition.window(0, {});
  EXPECT_EQ(create(definition).get(), nullptr);
  EXPECT_EQ(m_variable, 0u);
  EXPECT_EQ(m_fault, "") << "the system's failure is not the definition's";
}

// Each fault names the window when it is known, the field and the offset
// where reading stopped, for the message the user sees.
TEST_F(WindowCreation, DefinitionsThatCannotMakeAWindowBuildNothingAndSayWhy) {
  DefinitionBuilder odd_frame;
  odd_frame.window(0, {{"Frame", "8"}});
  DefinitionBuilder not_a_window;
  not_a_window.window(1, {});
  DefinitionBuilder no_class;
  no_class.window(7, {});
  DefinitionBuilder cut_short;
  cut_short.integer(1).integer(0).text("Frame");
  DefinitionBuilder empty;
  const std::pair<const DefinitionBuilder*, std::string> cases[] = {
      {&odd_frame, "window \"Window\" definition: Frame 8 names no frame"},
      {&not_a_window, "window definition: class index 1 names no window class"},
      {&no_class, "window definition: class index 7 names no window class"},
      {&cut_short,
       "window \"Window\" definition stream: cannot read the property value: stream ends before an integer at byte 8"},
      {&empty, "window definition stream: cannot read the window property count: stream ends before an integer at byte 0"},
  };
  for (const auto& [definition, fault] : cases) {
    EXPECT_EQ(create(*definition).get(), nullptr);
    EXPECT_EQ(m_variable, 0u);
    EXPECT_EQ(m_fault, fault);
  }
  EXPECT_EQ(g_build.calls, 0);
}

TEST_F(WindowCreation, CopiesADefinitionOnlyWhenAllItsBytesAreThere) {
  DefinitionBuilder definition;
  definition.window(0, {});
  const std::vector<std::uint8_t> stored = definition.with_length();
  object_tests::ImageDataBuilder data(0x00600000);
  const zrt::Address whole = data.bytes(stored);
  const zrt::Address claims_too_much = data.words({1000});
  const zrt::Address claims_two_gigabytes = data.words({0x7FFFFFFF});
  zrt::MemoryView& view = data.install_as_data1();
  EXPECT_EQ(zrt::copy_window_definition(view, whole), definition.bytes());
  EXPECT_FALSE(zrt::copy_window_definition(view, claims_too_much));
  EXPECT_FALSE(zrt::copy_window_definition(view, claims_two_gigabytes));
  EXPECT_FALSE(zrt::copy_window_definition(view, 0x10));
}

}  // namespace
