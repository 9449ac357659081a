// Definition streams: property pairs, counts and the errors of truncated or
// corrupt definitions, and reading a window's control part.
#include "runtime/ui/definition_stream.h"
#include "runtime/ui/window_controls.h"
#include "tests/core/object_test_support.h"
#include "tests/ui/definition_builder.h"

#include <gtest/gtest.h>

namespace {

using definition_tests::DefinitionBuilder;

TEST(DefinitionStream, ReadsPropertyPairsInOrder) {
  DefinitionBuilder built;
  built.integer(2).pair("Title", "Raman").pair("Width", "366");
  zrt::DefinitionStream stream(built.bytes());
  EXPECT_EQ(stream.read_count("pair count"), 2);
  const auto first = stream.read_property_pair();
  const auto second = stream.read_property_pair();
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->name, "Title");
  EXPECT_EQ(first->value, "Raman");
  EXPECT_EQ(second->name, "Width");
  EXPECT_EQ(second->value, "366");
  EXPECT_TRUE(stream.at_end());
  EXPECT_TRUE(stream.error().empty());
}

TEST(DefinitionStream, NamesWhatATruncatedStreamLacks) {
  DefinitionBuilder built;
  built.text("Title");
  zrt::DefinitionStream stream(built.bytes());
  EXPECT_FALSE(stream.read_property_pair());
  EXPECT_NE(stream.error().find("property value"), std::string::npos) << stream.error();
}

TEST(DefinitionStream, RejectsNegativeCountsAndKeepsTheFirstError) {
  DefinitionBuilder built;
  built.integer(-3);
  zrt::DefinitionStream stream(built.bytes());
  EXPECT_FALSE(stream.read_count("control count"));
  EXPECT_FALSE(stream.read_integer("class index"));
  EXPECT_NE(stream.error().find("control count: negative count -3"), std::string::npos) << stream.error();
}

using WindowControlPart = object_tests::ObjectTest;

// Controls of classes the image does not hold are read past, so the window
// opens without them and the bindings after them are still read.
TEST_F(WindowControlPart, ReadsPastUnknownControlsAndBindingsToTheEnd) {
  DefinitionBuilder built;
  built.integer(2);
  built.integer(5).integer(1).pair("Name", "OK");
  built.integer(6).integer(0);
  built.integer(1).integer(0).text("").integer(1).text("").integer(7).text("Value").text("");
  zrt::DefinitionStream stream(built.bytes());
  ZObject* window = zrt::new_instance(zrt::runtime_class("Window"));
  EXPECT_TRUE(zrt::read_window_controls(window, stream)) << stream.error();
  EXPECT_TRUE(stream.at_end());
  EXPECT_EQ(zrt::window_control_count(window), 0);
  zrt::close_window_controls(window);
  zrt::unlock_object(window);
}

TEST_F(WindowControlPart, FailsOnACutOffBinding) {
  DefinitionBuilder built;
  built.integer(0).integer(1).integer(0).text("");
  zrt::DefinitionStream stream(built.bytes());
  ZObject* window = zrt::new_instance(zrt::runtime_class("Window"));
  EXPECT_FALSE(zrt::read_window_controls(window, stream));
  zrt::close_window_controls(window);
  zrt::unlock_object(window);
  EXPECT_NE(stream.error().find("binding target"), std::string::npos) << stream.error();
}

}  // namespace
