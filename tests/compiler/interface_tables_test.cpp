// The interface tables must be usable by the loader's first-match,
// case-insensitive lookup: names unique without regard to case, signatures
// made of known type letters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "compiler/definition_defaults.h"
#include "compiler/names.h"
#include "compiler/runtime_interface.h"
#include "runtime/interface/interface.h"
#include "tests/compiler/compile_helpers.h"

namespace {

std::string upper(std::string_view name) {
  std::string result(name);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return result;
}

}  // namespace

TEST(InterfaceTables, RoutineNamesAreUniqueIgnoringCase) {
  std::set<std::string> seen;
  zif::for_each_routine([&](const zif::RoutineDecl& routine) {
    EXPECT_TRUE(seen.insert(upper(routine.name)).second) << routine.name << " is declared twice";
  });
  EXPECT_EQ(static_cast<int>(seen.size()), zif::routine_count());
}

TEST(InterfaceTables, SignaturesUseKnownTypeLetters) {
  zif::for_each_routine([&](const zif::RoutineDecl& routine) {
    EXPECT_TRUE(zif::is_type_letter(routine.result)) << routine.name;
    for (char letter : routine.params)
      EXPECT_TRUE(letter != 'v' && zif::is_type_letter(letter)) << routine.name << " parameter " << letter;
  });
}

// A property accessor that names no declared routine would leave the
// property without getter or setter at run time, without any error.
TEST(InterfaceTables, PropertyAccessorsAreDeclaredRoutines) {
  std::set<std::string> routines;
  zif::for_each_routine([&](const zif::RoutineDecl& routine) { routines.insert(std::string(routine.name)); });
  zif::for_each_runtime_class([&](const zif::ClassDecl& declared) {
    for (const zif::PropertyDecl& property : declared.properties) {
      for (std::string_view accessor : {property.getter, property.setter}) {
        if (accessor.empty()) continue;
        EXPECT_TRUE(routines.count(std::string(accessor))) << declared.name << "." << property.name << ": " << accessor;
      }
    }
  });
}

// The checker reads every runtime class's members when it starts, so one
// type it cannot resolve or one parameter list it cannot parse fails the
// compilation of every program.
TEST(InterfaceTables, EveryProgramChecksAgainstTheRealInterface) {
  const test::Compiled compiled = test::check_text(
      "Window AboutWin Inherits Applet\n"
      "  Frame = 1\n"
      "  Event Open()\n"
      "    Title = \"Opened\"\n"
      "  End Event\n"
      "End Window\n",
      zc::runtime_tables());
  EXPECT_EQ(compiled.error_count, 0) << compiled.errors;
}

// Close inside a window closes it, from the window's own code and from the
// handler of one of its controls alike; the control classes' definition
// properties check against the real interface too.
TEST(InterfaceTables, WindowsCloseThemselvesAndControlsCheck) {
  const test::Compiled compiled = test::check_text(
      "Window AboutWin Inherits Applet\n"
      "  Sub Shut()\n"
      "    Close\n"
      "  End Sub\n"
      "  Control PushButton1 As PushButton\n"
      "    Left = 313\n"
      "    Caption = \"OK\"\n"
      "    Default = True\n"
      "    TextFont = \"System\"\n"
      "    Event Action()\n"
      "      Close\n"
      "    End Event\n"
      "  End Control\n"
      "  Control StaticText1 As StaticText\n"
      "    MultiLine = True\n"
      "    Text = \"QUELL\"\n"
      "    LockRight = True\n"
      "  End Control\n"
      "End Window\n",
      zc::runtime_tables());
  EXPECT_EQ(compiled.error_count, 0) << compiled.errors;
}

// The image entry zc writes calls these by plain name; one missing from the
// interface stops every application at start with an unlinked import.
TEST(InterfaceTables, DeclaresEveryRoutineTheImageEntryCalls) {
  std::set<std::string> routines;
  zif::for_each_routine([&](const zif::RoutineDecl& routine) { routines.insert(std::string(routine.name)); });
  for (const char* name : {"Win32InstallPlugins", "RuntimeInit", "RuntimeCreateWindow", "RuntimeRun",
                           "RuntimeStackCheck", "RuntimeBackgroundTask", "RuntimeControlFetch", "RuntimeCloseWindow"})
    EXPECT_TRUE(routines.count(name)) << name;
}

// A default whose class or property is misspelt would silently store nothing.
TEST(InterfaceTables, DefinitionDefaultsNamePropertiesADefinitionCanSet) {
  const test::Compiled compiled = test::check_text("", zc::runtime_tables());
  ASSERT_TRUE(compiled.semantics) << compiled.errors;
  for (const zc::DefinitionDefault& entry : zc::k_definition_defaults) {
    const auto found = compiled.semantics->runtime_classes.find(zc::name_key(entry.class_name));
    ASSERT_NE(found, compiled.semantics->runtime_classes.end()) << entry.class_name;
    const zc::Symbol* property = found->second->find_member(entry.property);
    EXPECT_TRUE(property && property->kind == zc::SymbolKind::Property && !property->read_only &&
                !property->takes_arguments())
        << entry.class_name << "." << entry.property;
  }
}
