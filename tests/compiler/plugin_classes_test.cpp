// The classes a plug-in declares, as zc reads them: the text a plug-in
// renders from its records at compile time, read back into runtime classes
// whose members are deferred imports, so that programs can use them.
#include "compiler/plugin_classes.h"
#include "runtime/interface/plugin_declaration.h"
#include "tests/compiler/compile_helpers.h"

#include <gtest/gtest.h>

namespace {

constexpr zplug::PropertyEntry gauge_properties[] = {{"Level", "Integer", nullptr, nullptr},
                                                     {"Owner", "Stranger", nullptr, nullptr}};
constexpr zplug::MethodEntry gauge_methods[] = {{nullptr, nullptr, "Reset(level As Integer) As Boolean"},
                                                {nullptr, nullptr, "Adopt(other As Stranger)"}};
constexpr zplug::ControlEventEntry gauge_events[] = {{"Moved(x As Integer) As Boolean"}, {"Up"}};
constexpr zplug::ControlDefinition controls[] = {
    {4, "Gauge", 12, 0, 1, 2, 60, 20, gauge_properties, 2, gauge_methods, 2, gauge_events, 2, nullptr, 0, nullptr},
};
constexpr zplug::ClassDefinition classes[] = {
    {4, "Counter", "Gauge", 8, 0, nullptr, nullptr, gauge_properties, 1, nullptr, 0, nullptr, 0, nullptr, 0, "Shape"},
};
constexpr auto declaration = zplug::declaration_text<controls, classes>();

TEST(PluginClasses, TheRenderedDeclarationReadsBackAsClassesWithDeferredMembers) {
  EXPECT_STREQ(declaration.data(),
               "Control Gauge 12\n"
               "Property Level As Integer\nProperty Owner As Stranger\n"
               "Method Reset(level As Integer) As Boolean\nMethod Adopt(other As Stranger)\n"
               "Event Moved(x As Integer) As Boolean\nEvent Up\n"
               "Class Counter Gauge 8\nProperty Level As Integer\nImplements Shape\n");
  zc::RuntimeInterface runtime = zc::runtime_tables();
  ASSERT_EQ(zc::add_declared_classes(runtime, declaration.data()).error, "");
  const zif::ClassDecl& gauge = runtime.classes.at(runtime.classes.size() - 2);
  const zif::ClassDecl& counter = runtime.classes.back();
  EXPECT_EQ(gauge.superclass, "RectControl");
  ASSERT_EQ(gauge.properties.size(), 1u) << "a member naming an unknown type is left out";
  EXPECT_EQ(gauge.properties[0].getter, "\"!GGauge!Level\"");
  EXPECT_EQ(gauge.properties[0].setter, "\"!SGauge!Level\"");
  ASSERT_EQ(gauge.methods.size(), 1u);
  EXPECT_EQ(gauge.methods[0].routine, "\"!MGauge!Reset\"");
  ASSERT_EQ(gauge.events.size(), 2u);
  EXPECT_EQ(gauge.events[0].params, "x As Integer");
  EXPECT_EQ(gauge.events[0].result, "Boolean");
  EXPECT_EQ(counter.superclass, "Gauge");
  EXPECT_EQ(counter.instance_size, gauge.instance_size + 8) << "its data follows its superclass's instance";

  const test::Compiled program = test::check_text(
      "Window W\n"
      "  Control G1 As Gauge\n"
      "    Left = 4\n"
      "    Event Moved(x As Integer) As Boolean\n"
      "      Return G1.Reset(x + G1.Level)\n"
      "    End Event\n"
      "  End Control\n"
      "End Window\n",
      runtime);
  EXPECT_EQ(program.errors, "");
}

TEST(PluginClasses, ADeclarationThatCannotBeReadIsReportedWithItsLine) {
  const char* bad_texts[][2] = {
      {"Property Level As Integer\n", "line 1 of the declaration cannot be read: 'Property Level As Integer'"},
      {"Control Gauge twelve\n", "line 1 of the declaration cannot be read: 'Control Gauge twelve'"},
      {"Control Gauge 1\nWhatever\n", "line 2 of the declaration cannot be read: 'Whatever'"},
  };
  for (const auto& [text, error] : bad_texts) {
    zc::RuntimeInterface runtime = zc::runtime_tables();
    EXPECT_EQ(zc::add_declared_classes(runtime, text).error, error);
  }
}

}  // namespace
