// The plug-in interface without windows: reading member declarations,
// registering controls (versions 1, 3 and 4; 2 ignored), classes and their
// completion, global methods through deferred imports, the resolver, and
// the image's plug-in list with its bad entries.
#include "runtime/core/deferred_imports.h"
#include "runtime/core/method_declarations.h"
#include "runtime/core/name_equality.h"
#include "runtime/core/plugin_entries.h"
#include "runtime/core/plugin_registry.h"
#include "runtime/core/plugin_resolver.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/control_kinds.h"
#include "runtime/ui/plugin_control_kinds.h"
#include "tests/core/object_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using zplug::Routine;

struct DeclarationCase {
  const char* text;
  const char* name;
  const char* parameters;
  const char* result;
  std::vector<std::pair<std::string, bool>> types;  // type, by reference
  const char* error;  // the message's first words, or empty
};

TEST(MethodDeclaration, ReadsTheLanguagesSyntaxAndNamesWhatIsWrong) {
  const DeclarationCase cases[] = {
      {"DeleteAllRows", "DeleteAllRows", "", "", {}, ""},
      {"List(row As Integer) As String", "List", "row As Integer", "String", {{"Integer", false}}, ""},
      {"Swap(ByRef a As Integer, ByVal b As Widget) As widget", "Swap", "ByRef a As Integer, ByVal b As Widget",
       "widget", {{"Integer", true}, {"Widget", false}}, ""},
      {"Clear()", "Clear", "", "", {}, ""},
      {"Value As color", "Value", "", "color", {}, ""},
      {"AddRow(text As String", "", "", "", {}, "Invalid plugin method format: "},
      {"Bad(x Integer)", "", "", "", {}, "Invalid plugin method format: "},
      {"Trailing() As Integer extra", "", "", "", {}, "Invalid plugin method format: "},
      {"Star(x As Integer) * 2", "", "", "", {}, "Invalid plugin method format: "},
      {"", "", "", "", {}, "Invalid plugin method format: "},
      {"Count As Gadget", "", "", "", {}, "Invalid return type: "},
  };
  const zrt::TypeLookup is_class = [](std::string_view name) { return zrt::names_equal(name, "Widget"); };
  for (const DeclarationCase& c : cases) {
    const zrt::DeclarationReading reading = zrt::read_method_declaration(c.text, is_class);
    if (*c.error != '\0') {
      EXPECT_EQ(reading.error, std::string(c.error) + c.text);
      continue;
    }
    EXPECT_EQ(reading.error, "") << c.text;
    EXPECT_EQ(reading.declaration.name, c.name) << c.text;
    EXPECT_EQ(reading.declaration.parameter_text, c.parameters) << c.text;
    EXPECT_EQ(reading.declaration.result_type, c.result) << c.text;
    std::vector<std::pair<std::string, bool>> types;
    for (const auto& parameter : reading.declaration.parameters) types.emplace_back(parameter.type, parameter.by_reference);
    EXPECT_EQ(types, c.types) << c.text;
  }
}

std::vector<std::string>& messages() {
  static std::vector<std::string> shown;
  return shown;
}

void keep_message(std::string_view message) { messages().emplace_back(message); }

// Stand-ins for the plug-ins' routines: only their addresses matter.
void first_routine() {}
void second_routine() {}

zrt::CodeAddress code(Routine routine) { return zrt::word_of_pointer(reinterpret_cast<const void*>(routine)); }

class PluginRegistration : public object_tests::ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    messages().clear();
    zrt::set_plugin_message_sink(&keep_message);
    zrt::begin_plugin_entry();
  }

  void TearDown() override {
    zrt::end_plugin_entry();
    zrt::forget_registered_control_kinds();
    zrt::reset_plugins();
    zrt::set_plugin_message_sink(nullptr);
    ObjectTest::TearDown();
  }

  static std::vector<std::string> names(const zrt::ClassRecord& record) {
    std::vector<std::string> found;
    for (const zrt::PropertyEntry* p = record.properties; p != nullptr; p = p->next)
      found.push_back("P " + std::string(zrt::string_text(p->name)));
    for (const zrt::MethodEntry* m = record.methods; m != nullptr; m = m->next)
      found.push_back("M " + std::string(zrt::string_text(m->name)));
    for (const zrt::EventEntry* e = record.events; e != nullptr; e = e->next)
      found.push_back("E " + std::string(zrt::string_text(e->name)) + "(" + std::string(zrt::string_text(e->parameters)) +
                      ")" + std::string(zrt::string_text(e->result_type)));
    return found;
  }
};

const zplug::PropertyEntry caption_property[] = {{"Caption", "String", &first_routine, &second_routine}};
const zplug::MethodEntry control_methods[] = {
    {&first_routine, &second_routine, "AddRow(text As String)"},
    {&second_routine, nullptr, "Broken(text As"},
    {&second_routine, nullptr, "Count As Nothing"},
};
const zplug::ControlEventEntry control_events[] = {{"MouseDown(X As Integer, Y As Integer) As Boolean"}};
const zplug::ControlBehaviour no_behaviour{nullptr, nullptr};

zplug::ControlDefinition control(std::int32_t version, const char* name) {
  return {version, name, 12, 0, 180, 181, 64, 4, caption_property, 1, control_methods, 3, control_events, 1,
          &no_behaviour, 0, nullptr};
}

TEST_F(PluginRegistration, ControlsOfVersions3And4RegisterWithTheirMembersAndBadDeclarationsAreReported) {
  zplug::ControlDefinition shown = control(4, "Gauge");
  zplug::ControlDefinition ignored = control(2, "Dial");
  RegisterPluginVersion(4);
  PluginRegisterControl(&shown);
  PluginRegisterControl(&ignored);
  zrt::ClassRecord* gauge = zrt::find_class_by_name("gauge");
  ASSERT_NE(gauge, nullptr);
  const zrt::ClassRecord& rect_control = zrt::runtime_class("RectControl");
  EXPECT_EQ(gauge->superclass, &rect_control);
  EXPECT_EQ(gauge->instance_size, rect_control.instance_size + 12);
  EXPECT_EQ(shown.data_offset, rect_control.instance_size) << "the data offset is written back";
  EXPECT_EQ(names(*gauge), (std::vector<std::string>{"P Caption", "M AddRow",
                                                      "E MouseDown(X As Integer, Y As Integer)Boolean"}));
  EXPECT_EQ(gauge->properties->getter, code(&first_routine));
  EXPECT_EQ(gauge->methods->second_routine, code(&second_routine)) << "what \"W\" imports link to";
  EXPECT_EQ(messages(), (std::vector<std::string>{"Invalid plugin method format: Broken(text As",
                                                  "Invalid return type: Count As Nothing"}));
  EXPECT_EQ(zrt::find_class_by_name("Dial"), nullptr) << "version 2 registers nothing";
  EXPECT_EQ(zrt::plugin_control_of(gauge), &shown);
  zrt::give_plugin_controls_kinds();
  const zrt::ControlKind* kind = zrt::kind_of_class(gauge);
  ASSERT_NE(kind, nullptr) << "the control framework knows the class as a kind";
  EXPECT_EQ(kind->data, &no_behaviour);
  EXPECT_NE(kind->make_pane, nullptr);
}

TEST_F(PluginRegistration, AVersion1ControlIsWidenedWithRoutinesFromTheExportList) {
  const Routine routines[] = {&first_routine, &second_routine};
  zplug::ExportList exports{routines, 2};
  const zplug::PropertyEntryVersion1 properties[] = {{"Level", "Integer", &first_routine, nullptr, 7}};
  const zplug::MethodEntryVersion1 methods[] = {{1, "Reset"}, {5, "Outside"}};
  zplug::ControlDefinitionVersion1 old{1, "OldGauge", 8, 0x10, 1, 2, properties, 1, methods, 2, control_events, 1,
                                       &no_behaviour, 0};
  RegisterPluginExports(&exports);
  PluginRegisterControl(&old);
  zrt::ClassRecord* gauge = zrt::find_class_by_name("OldGauge");
  ASSERT_NE(gauge, nullptr);
  const zplug::ControlDefinition* widened = zrt::plugin_control_of(gauge);
  ASSERT_NE(widened, nullptr);
  EXPECT_EQ(widened->version, 4);
  EXPECT_EQ(widened->default_width, 100);
  EXPECT_EQ(widened->default_height, 100);
  EXPECT_EQ(widened->flags, 0x10);
  EXPECT_EQ(widened->properties[0].reserved_first, -1);
  EXPECT_EQ(widened->properties[0].parameter, 7);
  EXPECT_EQ(gauge->properties->parameter, 7);
  EXPECT_EQ(gauge->methods->routine, code(&second_routine)) << "export 1";
  EXPECT_EQ(gauge->methods->next->routine, 0u) << "an index past the export list gives no routine";
  EXPECT_EQ(old.data_offset, zrt::runtime_class("RectControl").instance_size);
}

TEST_F(PluginRegistration, AControlNamedLikeARuntimeClassIsASecondClass) {
  zplug::ControlDefinition listbox = control(4, "Listbox");
  PluginRegisterControl(&listbox);
  zrt::ClassRecord* runtime_listbox = zrt::find_runtime_class("Listbox");
  EXPECT_EQ(zrt::find_class_by_name("Listbox"), runtime_listbox) << "runtime classes come first";
  zrt::ClassRecord* plugin_listbox = zrt::find_plugin_control("listbox");
  ASSERT_NE(plugin_listbox, nullptr);
  EXPECT_NE(plugin_listbox, runtime_listbox);
  EXPECT_EQ(zrt::plugin_control_of(plugin_listbox), &listbox);
}

const zplug::ClassEventEntry class_events[] = {{"Changed(count As Integer)", 0}};
const zplug::ConstantEntry class_constants[] = {{"Limit", 9}};

TEST_F(PluginRegistration, ClassesRegisterOnlyFromVersions3And4WithNewNamesAndCompleteAfterLoading) {
  zplug::ClassDefinition early{3, "Counter", "", 4, 0, nullptr, nullptr, caption_property, 1, control_methods, 1,
                               class_constants, 1, class_events, 1, "DragItem"};
  zplug::ClassDefinition existing{4, "Window", "", 4, 0, nullptr, nullptr, nullptr, 0, nullptr, 0,
                                  nullptr, 0, nullptr, 0, nullptr};
  zplug::ClassDefinition derived{4, "BigCounter", "Counter", 8, 0, nullptr, nullptr, nullptr, 0, nullptr, 0,
                                 nullptr, 0, nullptr, 0, nullptr};
  RegisterPluginVersion(2);
  PluginRegisterClass(&early);
  EXPECT_EQ(zrt::find_class_by_name("Counter"), nullptr) << "version 2 registers no class";

  // Any interface class named in the list is implemented.
  zrt::ClassRecord& interface_class = zrt::runtime_class("DragItem");
  interface_class.is_interface = 1;
  const Routine routines[] = {&first_routine};
  zplug::ExportList exports{routines, 1};
  RegisterPluginExports(&exports);
  RegisterPluginVersion(3);
  PluginRegisterClass(&existing);
  PluginRegisterClass(&derived);
  PluginRegisterClass(&early);
  zrt::complete_plugin_classes();
  EXPECT_EQ(zrt::find_class_by_name("Window"), zrt::find_runtime_class("Window")) << "an existing name is kept";
  zrt::ClassRecord* counter = zrt::find_class_by_name("Counter");
  zrt::ClassRecord* big = zrt::find_class_by_name("BigCounter");
  ASSERT_NE(counter, nullptr);
  ASSERT_NE(big, nullptr);
  EXPECT_EQ(counter->instance_size, 24 + 4);
  EXPECT_EQ(early.data_offset, 24);
  EXPECT_EQ(big->superclass, counter) << "a superclass registered later is found at completion";
  EXPECT_EQ(big->instance_size, 28 + 8);
  EXPECT_EQ(derived.data_offset, 28);
  EXPECT_EQ(names(*counter), (std::vector<std::string>{"P Caption", "M AddRow", "E Changed(count As Integer)"}));
  EXPECT_EQ(counter->constants->value, 9);
  EXPECT_EQ(zrt::find_hook_by_key(counter, 0), code(&first_routine)) << "the event is bound to export 0";
  EXPECT_TRUE(zrt::class_is_a(counter, &interface_class));
}

TEST_F(PluginRegistration, GlobalMethodsAreFoundByDeferredImportsWithoutAClass) {
  const zplug::GlobalMethodDefinition current{&first_routine, "Beep(times As Integer)"};
  RegisterPluginVersion(4);
  PluginRegisterMethod(const_cast<zplug::GlobalMethodDefinition*>(&current));
  EXPECT_EQ(zrt::member_import_target(zrt::split_member_import("MBeep"), &zrt::find_class_by_name),
            code(&first_routine));
  EXPECT_EQ(zrt::member_import_target(zrt::split_member_import("M!Beep"), &zrt::find_class_by_name),
            code(&first_routine));
  EXPECT_EQ(zrt::member_import_target(zrt::split_member_import("GBeep"), &zrt::find_class_by_name), 0u);

  // A version-1 plug-in names the routine by its export index.
  const Routine routines[] = {&first_routine, &second_routine};
  zplug::ExportList exports{routines, 2};
  RegisterPluginExports(&exports);
  RegisterPluginVersion(1);
  const zplug::GlobalMethodDefinition indexed{reinterpret_cast<Routine>(std::intptr_t{1}), "Flash"};
  PluginRegisterMethod(const_cast<zplug::GlobalMethodDefinition*>(&indexed));
  EXPECT_EQ(zrt::find_global_plugin_method("flash"), code(&second_routine));
}

TEST(PluginResolver, FindsExportedRoutinesInAnyLetterCase) {
  const zrt::ExportEntry entries[] = {{"RuntimeUnlockObject", reinterpret_cast<const void*>(&first_routine)},
                                      {"RegisterPluginVersion", reinterpret_cast<const void*>(&second_routine)}};
  const auto table = std::make_unique<zrt::ExportTable>(entries);
  zrt::set_resolver_exports(table.get());
  EXPECT_EQ(zrt::resolve_runtime_routine("runtimeunlockobject"), &first_routine);
  EXPECT_EQ(zrt::resolve_runtime_routine("REGISTERPLUGINVERSION"), &second_routine);
  EXPECT_EQ(zrt::resolve_runtime_routine("NoSuchRoutine"), nullptr);
  EXPECT_EQ(zrt::resolve_runtime_routine(""), nullptr);
  zrt::set_resolver_exports(nullptr);
}

// A plug-in list in a made-up data1 at 0x1000: entries are appended as
// (next, size, 0, name length, name, library).
class PluginList {
 public:
  std::uint32_t add(std::string_view name, std::string_view library, std::uint32_t size_change = 0) {
    const auto at = static_cast<std::uint32_t>(m_bytes.size());
    word(0);
    word(static_cast<std::uint32_t>(1 + name.size() + library.size() + 4) + size_change);
    word(0);
    m_bytes.push_back(static_cast<std::uint8_t>(name.size()));
    m_bytes.insert(m_bytes.end(), name.begin(), name.end());
    m_bytes.insert(m_bytes.end(), library.begin(), library.end());
    return base + at;
  }
  void link(std::uint32_t from, std::uint32_t to) {
    for (int i = 0; i < 4; ++i) m_bytes[from - base + i] = static_cast<std::uint8_t>(to >> (8 * i));
  }
  std::vector<std::string> names(std::uint32_t head) {
    std::vector<std::string> found;
    for (const zrt::PluginEntry& entry : zrt::read_plugin_entries({base, m_bytes}, head))
      found.push_back(entry.name + "=" + std::string(entry.library.begin(), entry.library.end()));
    return found;
  }
  static constexpr std::uint32_t base = 0x1000;

 private:
  void word(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) m_bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  std::vector<std::uint8_t> m_bytes;
};

TEST(PluginEntries, BadEntriesAreSkippedAndTheChainGoesOn) {
  PluginList list;
  const std::uint32_t good = list.add("a.dll", "MZaa");
  const std::uint32_t nameless = list.add("", "MZbb");
  const std::uint32_t folder = list.add("..\\evil.dll", "MZcc");
  const std::uint32_t empty = list.add("empty.dll", "");
  const std::uint32_t second = list.add("b.dll", "MZdd");
  const std::uint32_t too_long = list.add("c.dll", "MZee", 1000);
  list.link(good, nameless);
  list.link(nameless, folder);
  list.link(folder, empty);
  list.link(empty, second);
  list.link(second, too_long);
  EXPECT_EQ(list.names(good), (std::vector<std::string>{"a.dll=MZaa", "b.dll=MZdd"}));
  list.link(too_long, good);
  EXPECT_EQ(list.names(good).size(), 2u) << "a chain that comes back ends";
  EXPECT_TRUE(list.names(0x0800).empty()) << "a head outside data1";
}

TEST(PluginEntries, LibrariesOfDifferentContentGoToDifferentFolders) {
  const std::uint8_t first[] = {'M', 'Z', 1};
  const std::uint8_t second[] = {'M', 'Z', 2};
  EXPECT_EQ(zrt::library_folder_name(first), zrt::library_folder_name(first));
  EXPECT_NE(zrt::library_folder_name(first), zrt::library_folder_name(second));
  EXPECT_EQ(zrt::library_folder_name(first).size(), 16u);
}

}  // namespace
