// The runtime's initialisation: the order of its steps, the application
// object of the image's Application subclass or of "Application" itself
// with its Open handler, the settings kept, and a descriptor that cannot be
// built, which ends the program after its message.
#include "runtime/core/application.h"
#include "runtime/core/runtime_init.h"
#include "tests/core/image_data_builder.h"
#include "tests/core/object_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using object_tests::class_described;
using object_tests::ImageDataBuilder;
using object_tests::recorded_calls;
using zrt::Address;

class RecordingStartup final : public zrt::StartupPlatform {
 public:
  void register_window_classes() override { steps.push_back("window classes"); }
  void initialise_ole() override { steps.push_back("ole"); }
  zrt::RoutineResolver routine_resolver() override {
    steps.push_back("runtime classes");
    return nullptr;
  }
  void complete_runtime_classes() override { steps.push_back("class lifecycles"); }
  void install_plugins() override { steps.push_back("plug-ins"); }
  std::string resolve_deferred_imports() override {
    steps.push_back("deferred imports");
    return import_failure;
  }
  void install_menu_bar(const zrt::MenuBarStream&) override { steps.push_back("menu bar"); }
  void create_frame_window(const std::string& title) override { steps.push_back("frame " + title); }
  void show_failure(const std::string& message) override { steps.push_back("failure " + message); }
  void end_program(int exit_code) override { steps.push_back("end " + std::to_string(exit_code)); }
  void write_debug_trace(const std::string& text) override { steps.push_back("trace " + text); }

  std::vector<std::string> steps;
  std::string import_failure;
};

// Flag, reserved word, character set, no file types, no messages, the MDI
// flag and the frame title.
std::vector<std::uint8_t> settings_stream(bool mdi) {
  std::vector<std::uint8_t> stream = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<std::uint8_t>(mdi ? 1 : 0), 5};
  for (char c : std::string_view("Frame")) stream.push_back(static_cast<std::uint8_t>(c));
  return stream;
}

class RuntimeInit : public object_tests::ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    // The initialisation registers the runtime classes itself.
    zrt::unregister_runtime_classes();
  }
  void TearDown() override {
    zrt::reset_application_state();
    ObjectTest::TearDown();
  }

  bool initialise(const std::vector<Address>& classes, const std::vector<Address>& objects) {
    const Address descriptor = m_image.application_descriptor(classes, objects);
    return zrt::initialise_runtime(m_platform, m_image.install_as_data1(), descriptor);
  }

  Address settings(bool mdi) {
    const std::vector<std::uint8_t> stream = settings_stream(mdi);
    const Address at = m_image.words({4, 0, static_cast<std::uint32_t>(stream.size())});
    m_image.bytes(stream);
    return at;
  }

  ImageDataBuilder m_image;
  RecordingStartup m_platform;
};

TEST_F(RuntimeInit, RunsItsStepsInOrder) {
  const Address menu = m_image.words({2, 2, 0});
  ASSERT_TRUE(initialise({}, {menu, settings(true)}));
  const std::vector<std::string> expected = {"window classes", "ole",       "runtime classes", "class lifecycles", "plug-ins",
                                             "deferred imports", "menu bar", "frame Frame"};
  EXPECT_EQ(m_platform.steps, expected);
  EXPECT_TRUE(zrt::application_state().multiple_document);
  EXPECT_EQ(zrt::message_box_caption(), "Frame") << "message boxes take the frame title in MDI mode";
}

TEST_F(RuntimeInit, WithoutAnApplicationSubclassTheObjectIsAnApplicationAndNoOpenRuns) {
  ASSERT_TRUE(initialise({m_image.class_descriptor(class_described("Helper"))}, {settings(false)}));
  ZObject* application = zrt::application_state().application.get();
  ASSERT_NE(application, nullptr);
  EXPECT_EQ(zrt::class_name(zrt::class_of(application)), "Application");
  EXPECT_TRUE(recorded_calls().empty());
  EXPECT_EQ(zrt::message_box_caption(), "Message");
  EXPECT_EQ(zrt::application_state().default_font_name, "System");
  EXPECT_EQ(zrt::application_state().default_font_size, 12);
}

TEST_F(RuntimeInit, TheApplicationSubclassGetsItsOpenWithTheObjectAlone) {
  const Address application_reference = m_image.runtime_class_reference("Application");
  auto subclass = class_described("App", 0, 28);
  subclass.handlers = {{"Open", 0x7001, 0}, {"Close", 0x7002, 0}};
  ASSERT_TRUE(initialise({application_reference, m_image.class_descriptor(subclass)}, {}));
  ZObject* application = zrt::application_state().application.get();
  ASSERT_NE(application, nullptr);
  EXPECT_EQ(zrt::class_name(zrt::class_of(application)), "App");
  ASSERT_EQ(recorded_calls().size(), 1u);
  EXPECT_EQ(recorded_calls()[0].routine, 0x7001u);
  EXPECT_EQ(recorded_calls()[0].arguments, std::vector<zrt::Word>{zrt::word_of_pointer(application)});
}

TEST_F(RuntimeInit, ADescriptorThatCannotBeBuiltStopsWithItsMessage) {
  const Address broken = m_image.words({0, 24, 0, 5, 0});  // superclass index 5 does not exist
  EXPECT_FALSE(initialise({broken}, {}));
  ASSERT_GE(m_platform.steps.size(), 2u);
  EXPECT_EQ(m_platform.steps.end()[-2].rfind("failure class descriptor", 0), 0u) << m_platform.steps.end()[-2];
  EXPECT_EQ(m_platform.steps.back(), "end 1");
  EXPECT_EQ(zrt::application_state().application.get(), nullptr);
}

TEST_F(RuntimeInit, AClassSmallerThanItsSuperclassIsReportedToTheDebugTraceAndTheStartGoesOn) {
  const Address application_reference = m_image.runtime_class_reference("Application");
  ASSERT_TRUE(initialise({application_reference, m_image.class_descriptor(class_described("Small", 0, 20))}, {}));
  ASSERT_GE(m_platform.steps.size(), 7u);
  EXPECT_EQ(m_platform.steps[5], "deferred imports");
  EXPECT_EQ(m_platform.steps[6].rfind("trace !!! RuntimeInit -- Bad class object size\n\tClass Name: Small\n", 0), 0u)
      << m_platform.steps[6];
  EXPECT_EQ(zrt::class_name(zrt::class_of(zrt::application_state().application.get())), "Small");
}

// The image's code after RuntimeInit assumes a ready runtime, so the program
// must end after the one message, with an exit code that says it failed.
TEST_F(RuntimeInit, AMemberImportThatFindsNothingEndsTheProgramAfterItsMessage) {
  m_platform.import_failure = "no class member is named GWindow!Nothing";
  EXPECT_FALSE(initialise({}, {}));
  ASSERT_GE(m_platform.steps.size(), 2u);
  EXPECT_EQ(m_platform.steps.end()[-2], "failure no class member is named GWindow!Nothing");
  EXPECT_EQ(m_platform.steps.back(), "end 1");
  EXPECT_EQ(zrt::application_state().application.get(), nullptr);
}

}  // namespace
