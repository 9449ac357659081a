// The generated code read back from code1 as the loader and the exception
// walk read it: every import call sits on an E8 with a well-formed call-site
// list, chains visit each site once, every function has one trailer that
// lists its reference locals and handlers, handlers reset the stack pointer,
// calls from handlers carry their marker, owned arguments their release.
#include <regex>
#include <set>

#include "compiler/codegen.h"
#include "compiler/runtime_interface.h"
#include "tests/compiler/codegen_helpers.h"
#include "tests/compiler/fake_runtime.h"

namespace codegen_test {
namespace {

const zc::RuntimeInterface& tables() {
  static const zc::RuntimeInterface k_tables = zc::runtime_tables();
  return k_tables;
}

// Small programs that together use every statement and expression form.
const char* const k_corpus[] = {
    R"(Dim Total As Integer
Class Counter
  Property Count As Integer
  Property Scale As Double
  Property Label As String
  Sub Constructor()
    Label = "c"
  End Sub
  Sub Add(n As Integer, ByRef seen As Integer)
    Count = Count + n
    seen = seen + 1
  End Sub
  Function Mean(values() As Double) As Double
    Return Scale / 2 + 1.5
  End Function
End Class
Class Main
  Sub Run()
    Dim c As Counter = New Counter
    Dim seen As Integer
    Dim i As Integer
    For i = 10 To 1 Step -1
      c.Add(i, seen)
    Next
    Total = c.Count \ 3 + c.Count Mod 4
    c.Scale = Total ^ 2 - Sqrt(2.0)
    If c IsA Counter And Not (c = Nil) Then Total = 1 Else Total = 2
  End Sub
End Class
)",
    R"(Class Text
  Function Join(a As String, b As String) As String
    Dim s As String = a + b + Str(Len(a + b))
    Do
      s = s + Chr(65)
    Loop Until Len(s) > 10
    While Len(s) < 20
      s = s + "x"
    Wend
    Select Case Left(s, 1)
      Case "a", "b"
        Return Mid(s, 2)
      Case Else
        Return s
    End Select
  Exception err As NilObjectException
    Return Str(0)
  End Function
End Class
)",
    R"(Interface Area
  Function Area() As Double
End Interface
Class Square Implements Area
  Property Side As Double
  Property Cells(9) As Integer
  Function Area() As Double
    Cells(1) = 4
    Return Side * Side + Cells(1)
  End Function
End Class
Class Use
  Function Total(a As Area) As Double
    Dim s As Square = Square(a)
    Raise New NilObjectException
    Return a.Area() + s.Area()
  End Function
End Class
)",
};

// A window program for the small interface of fake_runtime.h, which
// declares window and control members.
const char* const k_window_program = R"(Window Main Inherits Dialog
  Title = "Main"
  Control OK As PushButton
    Caption = "OK"
    Event Action()
      OK.Enabled = False
      Title = "pressed " + OK.Caption
      Close
    End Event
  End Control
  Property Values(255) As Double
  Event MouseDown(X As Integer, Y As Integer) As Boolean
    Return X > Width
  End Event
  Sub Run(s As String, g As Graphics)
    For i = 0 To 3
      If Values(i) > 1.5 Then
        g.DrawLine i, 0, i, 10
      End If
    Next
    MsgBox Mid(s, 1) + Chr(13)
  Exception err As NilObjectException
    Raise err
  End Sub
End Window
DefaultWindow Main
)";

std::size_t count_matches(const std::string& text, const std::regex& pattern) {
  return static_cast<std::size_t>(std::distance(std::sregex_iterator(text.begin(), text.end(), pattern),
                                                std::sregex_iterator()));
}

// Every import call sits on an E8 with a well-formed call-site list and is
// visited once by its chain; every runtime call of the assembly is on a
// chain; every function has one trailer and calls the stack check.
void expect_sound_structure(const std::string& source, const zc::RuntimeInterface& runtime) {
  const BuiltProgram built = build(source, runtime);
  ASSERT_TRUE(built.segments) << built.errors << "\n" << source;
  const auto& code1 = built.segments->code1;
  std::set<std::uint32_t> visited;
  for (const auto& [name, sites] : import_sites(*built.segments)) {
    for (const std::uint32_t site : sites) {
      EXPECT_EQ(code1.at(site - 1), 0xE8) << name << " at " << site;
      EXPECT_TRUE(visited.insert(site).second) << name << " at " << site << " is on two chains";
      for (const Entry& entry : site_list(code1, site)) {
        EXPECT_TRUE(entry.kind == 1 || entry.kind == 2 || entry.kind == 7) << name << " kind " << entry.kind;
        EXPECT_EQ(entry.operand % 4, 0) << name;
      }
    }
  }
  const std::size_t import_calls = count_matches(built.assembly, std::regex(R"(\n  call [A-Za-z])")) -
                                   count_matches(built.assembly, std::regex(R"(\n  call z)"));
  EXPECT_EQ(visited.size(), import_calls) << source;
  const std::size_t functions = count_matches(
      built.assembly, std::regex(R"(\n(zmethod\.|zevent\.|zconstruct\.|zdestruct\.|_zoltic_entry)[a-z0-9_.]*:)"));
  const auto found = trailers(code1);
  EXPECT_EQ(found.size(), functions) << source;
  EXPECT_EQ(import_sites(*built.segments)["RuntimeStackCheck"].size(), functions);
  for (const std::size_t at : found) trailer_entries(code1, at);
}

TEST_F(CodegenTest, CorpusHasSoundCallSitesChainsAndTrailers) {
  for (const char* source : k_corpus) expect_sound_structure(source, tables());
  expect_sound_structure(k_window_program, test::fake_runtime());
}

TEST_F(CodegenTest, TrailerListsEveryStringAndObjectLocalAndParameterCopyButNoNumber) {
  const BuiltProgram built = build(R"(Class Thing
  Function Name(a As String, n As Integer, other As Thing) As String
    Dim s As String = a
    Dim o As Thing = other
    Dim k As Integer = n
    Dim d As Double = 2.5
    Return s
  End Function
End Class
)", tables());
  ASSERT_TRUE(built.segments) << built.errors;
  const auto found = trailers(built.segments->code1);
  ASSERT_EQ(found.size(), 2U);  // the method, then the entry
  std::multiset<std::pair<int, int>> cleanups;
  for (const TrailerEntry& entry : trailer_entries(built.segments->code1, found[0]))
    cleanups.insert({entry.kind, entry.value});
  // The arguments a and other are the caller's to release: the method
  // keeps copies of them below the frame, with the result, s and o.
  int strings = 0;
  int objects = 0;
  for (const auto& [kind, offset] : cleanups) {
    EXPECT_LT(offset, 0) << "a trailer never releases the caller's argument slots";
    EXPECT_NE(offset, -4) << "the first local is released by the walk itself";
    (kind == 5 ? strings : objects)++;
  }
  EXPECT_EQ(strings, 3);  // the result, a's copy and s
  EXPECT_EQ(objects, 2);  // other's copy and o
  EXPECT_EQ(cleanups.size(), 5U) << "n, k and d are numbers";
}

TEST_F(CodegenTest, HandlerEntryCatchesItsClassAndItsCodeResetsTheStackPointer) {
  const BuiltProgram built = build(R"(Class Loader
  Function Load() As String
    Return Str(1)
  Exception err As NilObjectException
    Return Str(2)
  End Function
End Class
)", tables());
  ASSERT_TRUE(built.segments) << built.errors;
  const auto& code1 = built.segments->code1;
  const auto entries = trailer_entries(code1, trailers(code1).at(0));
  ASSERT_FALSE(entries.empty());
  ASSERT_EQ(entries[0].kind, 4) << "handlers come before the cleanups";
  const DataView data(*built.segments);
  EXPECT_EQ(data.class_named("NilObjectException"), static_cast<std::uint32_t>(entries[0].value));
  // The entry points at a near jump to the handler's code, which starts with lea -N(%ebp), %esp.
  const std::uint32_t stub = entries[0].handler;
  ASSERT_EQ(code1.at(stub), 0xE9);
  const auto target = static_cast<std::uint32_t>(stub + 5 + static_cast<std::int32_t>(image::read_u32(code1, stub + 1)));
  EXPECT_EQ(code1.at(target), 0x8D);
  EXPECT_EQ(code1.at(target + 1) & 0xC7, 0x45) << "lea with an EBP base and ESP as destination";
  EXPECT_EQ((code1.at(target + 1) >> 3) & 7, 4);
  EXPECT_LT(target, trailers(code1).at(0)) << "handler code lies before the trailer the walk finds";
  // Str is called once in the body and once in the handler; only the latter carries the marker.
  const auto sites = import_sites(*built.segments)["StringStr"];
  ASSERT_EQ(sites.size(), 2U);
  int marked = 0;
  for (const std::uint32_t site : sites) {
    const auto list = site_list(code1, site);
    const bool inside = std::find(list.begin(), list.end(), Entry{7, 0}) != list.end();
    marked += inside;
    EXPECT_EQ(inside, site > target) << "site " << site;
  }
  EXPECT_EQ(marked, 1);
}

TEST_F(CodegenTest, HandlerWithoutClassTakesEverythingButPassesTheQuitOn) {
  const BuiltProgram built = build(R"(Class Loader
  Sub Load()
    Dim x As Integer = 1
  Exception
    Dim y As Integer = 2
  End Sub
End Class
)", tables());
  ASSERT_TRUE(built.segments) << built.errors;
  const auto& code1 = built.segments->code1;
  const DataView data(*built.segments);
  const auto entries = trailer_entries(code1, trailers(code1).at(0));
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(entries[0].kind, 4);
  EXPECT_EQ(data.class_named("RuntimeException"), static_cast<std::uint32_t>(entries[0].value));
  auto sites = import_sites(*built.segments);
  ASSERT_EQ(sites["RuntimeObjectIsa"].size(), 1U);
  const std::uint32_t test = sites["RuntimeObjectIsa"][0];
  // push $index (the short form of a small number), push -4(%ebp), call
  ASSERT_EQ(code1.at(test - 1 - 3 - 2), 0x6A);
  EXPECT_EQ(data.class_named("EndException"), code1.at(test - 1 - 3 - 1));
  ASSERT_EQ(sites["RuntimeRaiseException"].size(), 1U);
  EXPECT_EQ(site_list(code1, sites["RuntimeRaiseException"][0]), (std::vector<Entry>{{7, 0}}))
      << "raised again from inside the handler, past this function's own handlers";
}

TEST_F(CodegenTest, OwnedTemporariesAreListedAtEveryCallUntilReleased) {
  const BuiltProgram built = build(R"(Class Text
  Function Size(a As String, b As String) As Integer
    Return Len(a + b)
  End Function
  Function Both() As String
    Return Str(1) + Str(2)
  End Function
End Class
)", tables());
  ASSERT_TRUE(built.segments) << built.errors;
  const auto& code1 = built.segments->code1;
  auto sites = import_sites(*built.segments);
  // The joined string is owned and pushed as Len's argument.
  ASSERT_EQ(sites["StringDBCSLen"].size(), 1U);
  EXPECT_EQ(site_list(code1, sites["StringDBCSLen"][0]), (std::vector<Entry>{{1, 0}}));
  // Str(1) is kept pushed while Str(2) runs, above Str's two words of double.
  ASSERT_EQ(sites["StringStr"].size(), 2U);
  std::vector<std::vector<Entry>> lists;
  for (const std::uint32_t site : sites["StringStr"]) lists.push_back(site_list(code1, site));
  EXPECT_TRUE(lists[0].empty() != lists[1].empty());
  const auto& busy = lists[0].empty() ? lists[1] : lists[0];
  EXPECT_EQ(busy, (std::vector<Entry>{{1, 8}}));
  // Joining borrowed strings lists nothing; joining two results lists both.
  ASSERT_EQ(sites["RuntimeAddString"].size(), 2U);
  EXPECT_TRUE(site_list(code1, sites["RuntimeAddString"][0]).empty());
  EXPECT_EQ(site_list(code1, sites["RuntimeAddString"][1]), (std::vector<Entry>{{1, 4}, {1, 8}}));
}

TEST_F(CodegenTest, EveryLoopIterationEndsWithTheBackgroundTaskUnlessSwitchedOff) {
  const char* loops = R"(Class Work
  Sub Spin()
    {pragma}
    Dim i As Integer
    For i = 1 To 3
    Next
    While i > 0
      i = i - 1
    Wend
    Do
      i = i + 1
    Loop Until i = 5
  End Sub
End Class
)";
  const std::string on = std::regex_replace(loops, std::regex("\\{pragma\\}"), "");
  const std::string off = std::regex_replace(loops, std::regex("\\{pragma\\}"), "#pragma DisableBackgroundTasks");
  BuiltProgram built = build(on, tables());
  ASSERT_TRUE(built.segments) << built.errors;
  EXPECT_EQ(import_sites(*built.segments)["RuntimeBackgroundTask"].size(), 3U);
  built = build(off, tables());
  ASSERT_TRUE(built.segments) << built.errors;
  EXPECT_EQ(import_sites(*built.segments).count("RuntimeBackgroundTask"), 0U);
}

TEST_F(CodegenTest, IntegerForLoopEndsWhenItsStepWouldWrapAround) {
  const BuiltProgram built = build(R"(Class Work
  Sub Spin()
    Dim i As Integer
    For i = 2147483640 To 2147483647
    Next
  End Sub
End Class
)", tables());
  ASSERT_TRUE(built.segments) << built.errors;
  // The increment is followed by a jump on overflow to the loop's exit, the
  // same label the limit test leaves by.
  const std::smatch exit = [&] {
    std::smatch match;
    std::regex_search(built.assembly, match, std::regex(R"(\n  jg (\.L[0-9]+)\n)"));
    return match;
  }();
  ASSERT_FALSE(exit.empty());
  EXPECT_TRUE(std::regex_search(built.assembly, std::regex("\n  addl -[0-9]+\\(%ebp\\), %eax\n  jo " +
                                                          exit[1].str() + "\n")))
      << built.assembly;
}

TEST_F(CodegenTest, EntryInstallsPluginsStartsTheRuntimeShowsTheDefaultWindowAndRuns) {
  const BuiltProgram built = build(R"(Window AboutWin
  Title = "About"
End Window
DefaultWindow AboutWin
)", test::fake_runtime());
  ASSERT_TRUE(built.segments) << built.errors;
  const DataView data(*built.segments);
  const std::uint32_t entry = data.word(0);
  EXPECT_TRUE(data.points_into_code(0));
  auto sites = import_sites(*built.segments);
  for (const char* routine : {"Win32InstallPlugins", "RuntimeInit", "RuntimeCreateWindow", "RuntimeRun"})
    ASSERT_EQ(sites[routine].size(), 1U) << routine;
  EXPECT_LT(entry, sites["Win32InstallPlugins"][0]);
  EXPECT_LT(sites["Win32InstallPlugins"][0], sites["RuntimeInit"][0]);
  EXPECT_LT(sites["RuntimeInit"][0], sites["RuntimeCreateWindow"][0]);
  EXPECT_LT(sites["RuntimeCreateWindow"][0], sites["RuntimeRun"][0]);
  // RuntimeInit gets the application descriptor: a pushed code-to-data word.
  const auto& code1 = built.segments->code1;
  const std::uint32_t push = sites["RuntimeInit"][0] - 6;
  EXPECT_EQ(code1.at(push), 0x68);
  EXPECT_EQ(image::read_u32(code1, push + 1), data.application());
  const auto pointers = image_test::decode_code2(built.segments->code2).code_pointers;
  EXPECT_NE(std::find(pointers.begin(), pointers.end(), push + 1), pointers.end());
}

// The words of a kind-0 descriptor's virtual table, `count` of them.
std::vector<std::uint32_t> virtual_table(const DataView& data, std::uint32_t descriptor, std::uint32_t count) {
  std::uint32_t at = descriptor + 16;
  at += data.word(at) != 0 ? 12 : 4;  // lifecycle
  at += 4;                            // interface flag
  at += 4 + 4 * data.word(at);        // interfaces
  at += 4 + 8 * data.word(at);        // methods
  at += 4 + 12 * data.word(at);       // handlers
  at += 4 + 8 * data.word(at);        // constants
  EXPECT_EQ(data.word(at), 1U) << "the table word";
  std::vector<std::uint32_t> table;
  for (std::uint32_t slot = 0; slot < count; ++slot) {
    EXPECT_TRUE(data.points_into_code(at + 4 + 4 * slot)) << "slot " << slot;
    table.push_back(data.word(at + 4 + 4 * slot));
  }
  return table;
}

TEST_F(CodegenTest, MethodsASubclassDeclaresAgainAreCalledThroughTheVirtualTable) {
  const BuiltProgram built = build(R"(Class Animal
  Function Sound() As String
    Return "..."
  End Function
  Function Legs() As Integer
    Return 4
  End Function
End Class
Class Bird Inherits Animal
  Function Sound() As String
    Return "tweet"
  End Function
End Class
Class Zoo
  Function Hear(a As Animal) As String
    Return a.Sound() + Str(a.Legs())
  End Function
End Class
)", tables());
  ASSERT_TRUE(built.segments) << built.errors;
  auto sites = import_sites(*built.segments);
  EXPECT_EQ(sites["FindVTableCode"].size(), 1U) << "Legs is declared once and called directly";
  const DataView data(*built.segments);
  const auto animal = virtual_table(data, data.class_descriptor(*data.class_named("Animal")), 2);
  const auto bird = virtual_table(data, data.class_descriptor(*data.class_named("Bird")), 2);
  EXPECT_NE(animal[0], bird[0]) << "Bird's Sound takes Animal's slot";
  EXPECT_EQ(animal[1], bird[1]) << "Legs is inherited";
}

// A chain of one operator is as long as the source makes it and is walked
// link by link; nesting at its limits compiles too. Each used to overflow
// the stack, in checking, folding, generating or freeing the tree.
TEST_F(CodegenTest, LongChainsAndTheDeepestNestingCompile) {
  auto repeat = [](std::string_view piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
  };
  constexpr int k_links = 20000;  // two links each, past the 35,000 that used to overflow
  const std::string source =
      "Const Letters = \"a\"" + repeat(" + \"a\"", k_links) + "\n"
      "Class C\n"
      "  Function Sum(x As Integer) As Integer\n    Return x" + repeat(" + x * 2 - 1", k_links) + "\n  End Function\n"
      "  Function Text(s As String) As String\n    Return s" + repeat(" + s + Letters", k_links) + "\n  End Function\n"
      "  Function Both(b As Boolean) As Boolean\n    Return b" + repeat(" And b Or b = b", k_links) + "\n  End Function\n"
      "  Function Real(d As Double) As Double\n    Return d" + repeat(" ^ 2 / d", k_links) + "\n  End Function\n"
      "  Function Deep(x As Integer) As Integer\n    Return " + repeat("(x + ", 32) + "1" + repeat(")", 32) + "\n"
      + repeat("    If x > 0 Then\n", 254) + "      x = -x\n" + repeat("    End If\n", 254) +
      "  End Function\nEnd Class\n";
  const test::Compiled compiled = test::check_text(source, tables());
  ASSERT_EQ(compiled.errors, "");
  std::ostringstream errors;
  zc::Diagnostics diagnostics(errors);
  const std::string assembly =
      zc::generate_assembly(compiled.program, *compiled.semantics, tables(), {}, diagnostics);
  EXPECT_EQ(errors.str(), "");
  EXPECT_NE(assembly.find("_zoltic_entry:"), std::string::npos);
}

TEST_F(CodegenTest, ReportsWhatTheImageCannotHoldInsteadOfGuessing) {
  BuiltProgram built = build(R"(Class A
  Sub Run()
    Dim x(3) As Integer
    Dim y(3) As Integer
    x = y
  End Sub
End Class
)", tables());
  EXPECT_FALSE(built.segments);
  EXPECT_NE(built.errors.find("t.zs:5:5: error: an array variable cannot be assigned"), std::string::npos) << built.errors;
  // Seventy owned strings pushed for one call lie deeper than a call-site
  // list can name; leaking them silently is not an option.
  std::string parameters;
  std::string arguments;
  for (int i = 0; i < 70; ++i) {
    parameters += (i ? ", p" : "p") + std::to_string(i) + " As String";
    arguments += (i ? ", Str(" : "Str(") + std::to_string(i) + ")";
  }
  built = build("Class A\n  Sub Many(" + parameters + ")\n  End Sub\n  Sub Run()\n    Many " + arguments +
                    "\n  End Sub\nEnd Class\n",
                tables());
  EXPECT_FALSE(built.segments);
  EXPECT_NE(built.errors.find("t.zs:5:5: error: in 'Run', this statement keeps so many values"), std::string::npos)
      << built.errors;
  built = build("Plugin \"no_such_plugin.dll\"\n", tables(), {{"/nonexistent"}});
  EXPECT_FALSE(built.segments);
  EXPECT_NE(built.errors.find("cannot find the plug-in file 'no_such_plugin.dll'"), std::string::npos) << built.errors;
}

}  // namespace
}  // namespace codegen_test
