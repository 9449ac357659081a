// The image's data as the runtime reads it: literal string records, class
// descriptors with their sizes, superclasses, methods and handlers, window
// and menu definitions, the settings stream, the plug-in list and the
// application descriptor's project objects. Streams are read back with the
// runtime's own readers.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "runtime/core/packed_reader.h"
#include "runtime/core/settings_stream.h"
#include "tests/compiler/codegen_helpers.h"
#include "tests/compiler/fake_runtime.h"
#include "runtime/interface/image_format.h"

namespace codegen_test {
namespace {

const zc::RuntimeInterface& tables() {
  static const zc::RuntimeInterface k_tables = zc::runtime_tables();
  return k_tables;
}

std::size_t count_of(const std::vector<std::uint8_t>& bytes, const std::string& text) {
  std::size_t count = 0;
  for (auto it = bytes.begin(); (it = std::search(it, bytes.end(), text.begin(), text.end())) != bytes.end(); ++it) ++count;
  return count;
}

// The packed stream of a counted stream at `at` (byte count, then bytes).
std::span<const std::uint8_t> counted_stream(const DataView& data, std::uint32_t at) {
  return {data.data1.data() + at + 4, data.word(at)};
}

TEST_F(CodegenTest, LiteralStringsAreReadyRecordsStoredOnce) {
  const std::string long_text(300, 'q');
  const BuiltProgram built = build(R"(Class Words
  Function Greet() As String
    Return "Hello" + "Hello" + ")" + long_text + R"("
  End Function
End Class
)", tables());
  ASSERT_TRUE(built.segments) << built.errors;
  const DataView data(*built.segments);
  EXPECT_EQ(count_of(data.data1, "Hello"), 1U);
  // Each code reference to a literal is a code-to-data word naming its record.
  std::set<std::string> texts;
  for (const std::uint32_t at : image_test::decode_code2(built.segments->code2).code_pointers) {
    const std::uint32_t target = image::read_u32(built.segments->code1, at);
    const bool record_shaped = data.word(target) == 1 && data.points_into_data(target + 4) &&
                               data.word(target + 8) == data.word(target + 12);
    if (record_shaped) texts.insert(data.literal(target));
  }
  EXPECT_TRUE(texts.count("Hello"));
  EXPECT_TRUE(texts.count(long_text)) << "a 300-byte literal keeps its length; its length byte says 255";
}

TEST_F(CodegenTest, ClassDescriptorsGiveSizesSuperclassesLifecycleAndMethods) {
  const BuiltProgram built = build(R"(Class Base
  Property Count As Integer
  Property Scale As Double
  Property Label As String
  Function Twice() As Integer
    Return Count * 2
  End Function
End Class
Class Derived Inherits Base
  Property Extra As Integer
End Class
Class User
  Sub Run()
    Dim e As NilObjectException = New NilObjectException
  End Sub
End Class
)", tables());
  ASSERT_TRUE(built.segments) << built.errors;
  const DataView data(*built.segments);
  const auto base_index = data.class_named("Base");
  const auto derived_index = data.class_named("Derived");
  const auto runtime_index = data.class_named("NilObjectException");
  ASSERT_TRUE(base_index && derived_index && runtime_index);
  const std::uint32_t base = data.class_descriptor(*base_index);
  EXPECT_EQ(data.word(base), 0U);
  EXPECT_EQ(data.word(base + 4), 16U + 4 + 8 + 4) << "header, Integer, Double, String";
  EXPECT_EQ(data.word(base + 12), 0xFFFFFFFFU);
  ASSERT_NE(data.word(base + 16), 0U) << "a String field needs a destructor to release it";
  EXPECT_TRUE(data.points_into_code(base + 20));
  EXPECT_TRUE(data.points_into_code(base + 24));
  EXPECT_EQ(data.word(base + 28), 0U) << "not an interface";
  EXPECT_EQ(data.word(base + 32), 0U) << "no interfaces";
  ASSERT_EQ(data.word(base + 36), 1U);
  EXPECT_EQ(data.literal(data.word(base + 40)), "Twice");
  EXPECT_TRUE(data.points_into_code(base + 44));
  const std::uint32_t derived = data.class_descriptor(*derived_index);
  EXPECT_EQ(data.word(derived + 4), 36U) << "fields follow the superclass's instance";
  EXPECT_EQ(data.word(derived + 12), *base_index);
  EXPECT_EQ(data.word(derived + 16), 0U) << "no fields to release, no constructor";
  EXPECT_EQ(data.word(data.class_descriptor(*runtime_index)), 1U) << "a runtime class is named";
}

TEST_F(CodegenTest, InterfacesComeBeforeTheClassesThatImplementThem) {
  const BuiltProgram built = build(R"(Class Square Implements Area
  Function Area() As Double
    Return 4
  End Function
End Class
Interface Area
  Function Area() As Double
End Interface
Class Big Inherits Square
  Function Area() As Double
    Return 16
  End Function
End Class
)", tables());
  ASSERT_TRUE(built.segments) << built.errors;
  const DataView data(*built.segments);
  // A subclass lists its base's interfaces itself, so that interface calls
  // on it find the methods it declares again.
  const std::uint32_t big = data.class_descriptor(*data.class_named("Big"));
  ASSERT_EQ(data.word(big + 24), 1U);
  EXPECT_EQ(data.word(big + 28), *data.class_named("Area"));
  const auto area = data.class_named("Area");
  const auto square = data.class_named("Square");
  ASSERT_TRUE(area && square);
  EXPECT_LT(*area, *square);
  const std::uint32_t interface = data.class_descriptor(*area);
  EXPECT_EQ(data.word(interface + 20), 1U) << "the interface flag";
  EXPECT_EQ(data.word(interface + 28), 1U) << "one method, a name only";
  EXPECT_EQ(data.literal(data.word(interface + 32)), "Area");
  EXPECT_EQ(data.word(interface + 36), 0U) << "no handlers follow the single name";
  const std::uint32_t implementer = data.class_descriptor(*square);
  ASSERT_EQ(data.word(implementer + 24), 1U);
  EXPECT_EQ(data.word(implementer + 28), *area);
}

TEST_F(CodegenTest, WindowDefinitionNamesItsClassPropertiesAndControlsWithHandlerSubclasses) {
  const BuiltProgram built = build(R"(Window AboutWin
  Title = "About..."
  Width = 390
  Visible = True
  Control PushButton1 As PushButton
    Left = 313
    Caption = "OK"
    Event Action()
      PushButton1.Enabled = False
      Close
    End Event
  End Control
  Control PushButton2 As PushButton
  End Control
End Window
)", test::fake_runtime());
  ASSERT_TRUE(built.segments) << built.errors;
  const DataView data(*built.segments);
  // The definition is the first data after the globals and the implicit instance.
  const std::string label = "zwindow.aboutwin:";
  ASSERT_NE(built.assembly.find(label), std::string::npos);
  const auto window = data.class_named("AboutWin");
  const auto button = data.class_named("PushButton");
  ASSERT_TRUE(window && button);
  // Find the stream: the only counted stream whose packed content starts with P = 3, the window's index.
  std::optional<std::uint32_t> at;
  for (std::uint32_t offset = zif::image_format::header_size; offset + 6 < data.data1.size(); offset += 4)
    if (data.word(offset) > 2 && data.word(offset) < 200 && data.data1[offset + 4] == 3 && data.data1[offset + 5] == *window)
      at = offset;
  ASSERT_TRUE(at);
  zrt::PackedReader reader(counted_stream(data, *at));
  EXPECT_EQ(reader.read_integer(), 3);
  EXPECT_EQ(reader.read_integer(), static_cast<std::int32_t>(*window));
  const std::pair<std::string, std::string> window_pairs[] = {{"Title", "About..."}, {"Width", "390"}, {"Visible", "True"}};
  for (const auto& [name, value] : window_pairs) {
    EXPECT_EQ(reader.read_string(), name);
    EXPECT_EQ(reader.read_string(), value);
  }
  EXPECT_EQ(reader.read_integer(), 2);
  const auto subclass_index = reader.read_integer();
  ASSERT_TRUE(subclass_index);
  EXPECT_NE(static_cast<std::uint32_t>(*subclass_index), *button) << "a control with handlers gets its own subclass";
  EXPECT_EQ(reader.read_integer(), 3);
  for (const auto& [name, value] : {std::pair<std::string, std::string>{"Name", "PushButton1"}, {"Left", "313"}, {"Caption", "OK"}}) {
    EXPECT_EQ(reader.read_string(), name);
    EXPECT_EQ(reader.read_string(), value);
  }
  EXPECT_EQ(reader.read_integer(), static_cast<std::int32_t>(*button)) << "a control without handlers uses its class";
  EXPECT_EQ(reader.read_integer(), 1);
  EXPECT_EQ(reader.read_string(), "Name");
  EXPECT_EQ(reader.read_string(), "PushButton2");
  EXPECT_EQ(reader.read_integer(), 0) << "no bindings";
  EXPECT_TRUE(reader.at_end());
  // The nameless subclass: the button's size, its superclass, one handler "Action".
  const std::uint32_t subclass = data.class_descriptor(static_cast<std::uint32_t>(*subclass_index));
  EXPECT_EQ(data.word(subclass), 0U);
  EXPECT_EQ(data.word(subclass + 4), 116U);
  EXPECT_EQ(data.word(subclass + 8), 0U);
  EXPECT_EQ(data.word(subclass + 12), *button);
  ASSERT_EQ(data.word(subclass + 32), 1U);
  EXPECT_EQ(data.literal(data.word(subclass + 36)), "Action");
  EXPECT_TRUE(data.points_into_code(subclass + 40));
  auto sites = import_sites(*built.segments);
  EXPECT_EQ(sites["controlEnabledSetter"].size(), 1U);
  EXPECT_EQ(sites["RuntimeControlFetch"].size(), 1U);
  EXPECT_EQ(sites["RuntimeCloseWindow"].size(), 1U);
}

// The pairs of the About window's definition stream, one "name=value" line
// each, with the counts that frame them; class numbers are left out, since
// they follow the classes of the whole program.
std::string about_window_pairs(const std::vector<std::string>& paths) {
  std::string source;
  for (const std::string& path : paths) {
    std::ifstream in(std::string(Z_SOURCE_DIR) + "/" + path);
    source.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    source += "\n";
  }
  // The definitions are written even when a later step fails (a plug-in
  // file that only the Windows build has, say).
  const BuiltProgram built = build(source, tables());
  EXPECT_NE(built.assembly.find("zwindow.aboutwin:"), std::string::npos) << built.errors;
  // The stream's ".byte" lines follow its label and its byte count.
  std::istringstream assembly(built.assembly.substr(std::min(built.assembly.find("zwindow.aboutwin:"), built.assembly.size())));
  std::vector<std::uint8_t> bytes;
  for (std::string line; std::getline(assembly, line);) {
    const std::size_t at = line.find(".byte");
    if (at == std::string::npos && !bytes.empty()) break;
    if (at == std::string::npos) continue;
    std::istringstream values(line.substr(at + 5));
    for (int value; values >> value; values.ignore(1, ',')) bytes.push_back(static_cast<std::uint8_t>(value));
  }
  zrt::PackedReader reader(bytes);
  std::ostringstream text;
  auto read_pairs = [&](int count) {
    text << count << " pairs\n";
    for (int i = 0; i < count; ++i) {
      text << reader.read_string().value_or("?");
      text << "=" << reader.read_string().value_or("?") << "\n";
    }
  };
  const int window_pairs = reader.read_integer().value_or(-1);
  (void)reader.read_integer();  // the window's class
  read_pairs(window_pairs);
  const int controls = reader.read_integer().value_or(-1);
  for (int i = 0; i < controls; ++i) {
    (void)reader.read_integer();  // the control's class
    read_pairs(reader.read_integer().value_or(-1));
  }
  text << "bindings " << reader.read_integer().value_or(-1) << (reader.at_end() ? "" : " and more") << "\n";
  return text.str();
}

// A window's source names only what differs from the definition defaults:
// the application's About window stores what it stores with every control
// property written out.
TEST_F(CodegenTest, DefaultsLeftOutOfAWindowsSourceAreStoredAsIfWritten) {
  const std::string stored =
      about_window_pairs({"app/about_window.zs", "tests/compiler/main_window_stand_in.zs"});
  EXPECT_NE(stored.find("Index=-2147483648\nTabPanelIndex=0\nVisible=True\nBalloonHelp=\n"), std::string::npos);
  EXPECT_EQ(stored, about_window_pairs({"tests/compiler/about_window_explicit.zs"}));
}

struct Hook {
  std::string name;
  bool routine_in_code;
  std::uint32_t key;
  bool operator==(const Hook&) const = default;
};

// The hooks of a program class's descriptor: past the size, name,
// superclass, lifecycle, interface flag, interfaces and methods.
std::vector<Hook> hooks_of(const DataView& data, std::uint32_t descriptor) {
  std::uint32_t at = descriptor + 16;
  at += data.word(at) ? 12 : 4;
  at += 4;
  at += 4 + 4 * data.word(at);
  at += 4 + 8 * data.word(at);
  std::vector<Hook> hooks;
  for (std::uint32_t i = 0, count = data.word(at); i < count; ++i) {
    const std::uint32_t entry = at + 4 + 12 * i;
    hooks.push_back({data.literal(data.word(entry)), data.points_into_code(entry + 4), data.word(entry + 8)});
  }
  return hooks;
}

TEST_F(CodegenTest, MenuHandlersAreHooksNamedAfterTheirItemsBesideTheEventHandlers) {
  const BuiltProgram built = build(R"(MenuBar
  Menu "File"
    Item FileQuit "Quit" Key "Q" As QuitMenuItem
    Item FileRecent "Recent"
  End Menu
End MenuBar
Window Main
  Sub Helper()
  End Sub
  MenuHandler FileRecent(index As Integer) As Boolean
    Return index > 0
  End MenuHandler
  Event Open()
  End Event
End Window
Class App Inherits Application
  MenuHandler FileQuit() As Boolean
    Return True
  End MenuHandler
End Class
)", tables());
  ASSERT_TRUE(built.segments) << built.errors;
  const DataView data(*built.segments);
  const std::uint32_t main = data.class_descriptor(*data.class_named("Main"));
  const std::vector<Hook> main_hooks{{"FileRecent", true, 0}, {"Open", true, 0}};
  EXPECT_EQ(hooks_of(data, main), main_hooks);
  EXPECT_EQ(data.word(main + 28), 1U) << "a menu handler is no method: only Helper";
  const std::vector<Hook> application_hooks{{"FileQuit", true, 0}};
  EXPECT_EQ(hooks_of(data, data.class_descriptor(*data.class_named("App"))), application_hooks);
}

TEST_F(CodegenTest, MenuBarAndSettingsAreProjectObjectsTheRuntimeCanRead) {
  const BuiltProgram built = build(R"z(MenuBar
  Menu "File"
    Item FileQuit "Quit" Key "Q" As QuitMenuItem
  End Menu
  Menu "Edit"
    Item EditUndo "Undo" Key "Z"
    Separator
  End Menu
End MenuBar
Settings
  FileType "GaussianFile (*.out)", "EDIT", "TEXT", "out"
  Message 4, "An exception of class %1 was not handled." + Chr(13) + "Bye."
  MDI False
  FrameTitle "Quellix Win 1.0"
  CharacterSet 128
End Settings
)z", test::fake_runtime());
  ASSERT_TRUE(built.segments) << built.errors;
  const DataView data(*built.segments);
  ASSERT_EQ(data.project_object_count(), 2U);
  const std::uint32_t menu = data.project_object(1);
  ASSERT_EQ(data.word(menu), 2U);
  zrt::PackedReader reader(counted_stream(data, menu + 4));
  EXPECT_EQ(reader.read_integer(), 2);
  EXPECT_EQ(reader.read_integer(), 0) << "a drop-down menu";
  EXPECT_EQ(reader.read_string(), "File");
  EXPECT_EQ(reader.read_string(), "");
  EXPECT_EQ(reader.read_integer(), std::numeric_limits<std::int32_t>::min()) << "no index";
  for (int i = 0; i < 3; ++i) EXPECT_EQ(reader.read_string(), "");
  EXPECT_EQ(reader.read_byte(), 0);
  EXPECT_EQ(reader.read_byte(), 0);
  EXPECT_EQ(reader.read_integer(), static_cast<std::int32_t>(*data.class_named("MenuItem")));
  EXPECT_EQ(reader.read_integer(), 1);
  EXPECT_EQ(reader.read_integer(), 0);
  EXPECT_EQ(reader.read_string(), "Quit");
  EXPECT_EQ(reader.read_string(), "FileQuit");
  EXPECT_EQ(reader.read_integer(), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(reader.read_string(), "Q");
  EXPECT_EQ(reader.read_string(), "");
  EXPECT_EQ(reader.read_string(), "");
  EXPECT_EQ(reader.read_byte(), 0);
  EXPECT_EQ(reader.read_byte(), 0) << "no submenu";
  EXPECT_EQ(reader.read_integer(), static_cast<std::int32_t>(*data.class_named("QuitMenuItem")));

  const std::uint32_t settings = data.project_object(2);
  ASSERT_EQ(data.word(settings), 4U);
  EXPECT_EQ(data.word(settings + 4), 0U) << "an empty entry list";
  zrt::SettingsError error;
  const auto parsed = zrt::parse_settings(counted_stream(data, settings + 8), error);
  ASSERT_TRUE(parsed) << error.message;
  EXPECT_EQ(parsed->character_set_code, 128U);
  ASSERT_EQ(parsed->file_types.size(), 1U);
  EXPECT_EQ(parsed->file_types[0].name, "GaussianFile (*.out)");
  EXPECT_EQ(parsed->file_types[0].extensions, "out");
  ASSERT_EQ(parsed->messages.size(), 5U) << "numbers 0 to 4, the gaps empty";
  EXPECT_EQ(parsed->messages[0], "");
  EXPECT_EQ(parsed->messages[4], "An exception of class %1 was not handled.\rBye.");
  EXPECT_FALSE(parsed->mdi);
  EXPECT_EQ(parsed->frame_title, "Quellix Win 1.0");
}

TEST_F(CodegenTest, WithoutSettingsTheImageStillCarriesAnEmptySettingsStream) {
  const BuiltProgram built = build("Dim x As Integer\n", tables());
  ASSERT_TRUE(built.segments) << built.errors;
  const DataView data(*built.segments);
  ASSERT_EQ(data.project_object_count(), 1U);
  zrt::SettingsError error;
  const auto parsed = zrt::parse_settings(counted_stream(data, data.project_object(1) + 8), error);
  ASSERT_TRUE(parsed) << error.message;
  EXPECT_TRUE(parsed->messages.empty());
}

TEST_F(CodegenTest, PluginListCarriesTheLibraryFoundOnTheLibraryPath) {
  const auto folder = std::filesystem::temp_directory_path() / "zc_plugin_test";
  std::filesystem::create_directories(folder);
  const std::string library = "MZ plug-in bytes\x01\x02";
  std::ofstream(folder / "zoltbap1.dll", std::ios::binary) << library;
  const BuiltProgram built = build("Plugin \"zoltbap1.dll\"\n", tables(), {{folder.string()}});
  std::filesystem::remove_all(folder);
  ASSERT_TRUE(built.segments) << built.errors;
  const DataView data(*built.segments);
  // The entry pushes the list's address for Win32InstallPlugins.
  const auto sites = import_sites(*built.segments);
  const std::uint32_t push = sites.at("Win32InstallPlugins").at(0) - 6;
  ASSERT_EQ(built.segments->code1.at(push), 0x68);
  const std::uint32_t entry = image::read_u32(built.segments->code1, push + 1);
  EXPECT_EQ(data.word(entry), 0U) << "the last entry";
  EXPECT_EQ(data.word(entry + 4), 1 + 12 + library.size() + 4);
  EXPECT_EQ(data.word(entry + 8), 0U);
  EXPECT_EQ(data.data1.at(entry + 12), 12);
  EXPECT_EQ(std::string(data.data1.begin() + entry + 13, data.data1.begin() + entry + 25), "zoltbap1.dll");
  EXPECT_EQ(std::string(data.data1.begin() + entry + 25, data.data1.begin() + entry + 25 + static_cast<long>(library.size())),
            library);
}

}  // namespace
}  // namespace codegen_test
