// The runtime's class records as registered from the interface: the sizes
// and superclasses compiled subclasses rely on, and lookup by name.
#include "tests/core/object_test_support.h"

#include <gtest/gtest.h>

namespace {

using object_tests::ObjectTest;

TEST_F(ObjectTest, RuntimeClassesHaveTheSizesAndSuperclassesCompiledCodeAssumes) {
  struct Expected {
    std::string_view name;
    std::int32_t size;
    std::string_view superclass;
  };
  const Expected classes[] = {
      {"Control", 88, ""},           {"RectControl", 88, "Control"},      {"StaticText", 116, "RectControl"},
      {"PushButton", 116, "RectControl"}, {"Canvas", 100, "RectControl"}, {"GroupBox", 104, "RectControl"},
      {"Listbox", 524, "RectControl"}, {"Window", 112, ""},             {"Dialog", 112, "Window"},
      {"Applet", 112, "Window"},     {"MenuItem", 72, ""},                {"QuitMenuItem", 72, "MenuItem"},
      {"Application", 28, ""},       {"Clipboard", 32, ""},               {"PrinterSetup", 32, ""},
      {"FolderItem", 32, ""},        {"TextOutputStream", 32, ""},        {"Picture", 40, ""},
      {"Graphics", 40, ""},          {"TextInputStream", 1060, ""},       {"RuntimeException", 24, ""},
      {"NilObjectException", 24, "RuntimeException"}, {"EndException", 24, "RuntimeException"},
      {"IllegalCastException", 24, "RuntimeException"}, {"OutOfBoundsException", 24, "RuntimeException"},
      {"stackOverflowException", 24, "RuntimeException"}, {"typeMismatchException", 24, "RuntimeException"},
  };
  for (const Expected& expected : classes) {
    SCOPED_TRACE(std::string(expected.name));
    const zrt::ClassRecord* record = zrt::find_runtime_class(expected.name);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->tag, 3u);
    EXPECT_EQ(record->runtime_class, 1);
    EXPECT_EQ(record->instance_size, expected.size);
    EXPECT_EQ(zrt::class_name(record->superclass), expected.superclass);
  }
  EXPECT_EQ(zrt::string_text(zrt::find_runtime_class("Application")->internal_name), "ZTApplication");
  EXPECT_EQ(zrt::find_runtime_class("listbox"), zrt::find_runtime_class("Listbox"));
  EXPECT_EQ(zrt::find_runtime_class("Separator"), nullptr);
}

TEST(DeclaredMemberName, IsTheTextBeforeParametersOrResult) {
  EXPECT_EQ(zrt::declared_member_name("DrawLine(x1 As Integer, y1 As Integer)"), "DrawLine");
  EXPECT_EQ(zrt::declared_member_name("Count As Integer"), "Count");
  EXPECT_EQ(zrt::declared_member_name("Close"), "Close");
}

}  // namespace
