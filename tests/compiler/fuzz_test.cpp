// Bounded fuzzing of the compiler: random token streams, mutated valid
// programs, machine-made sources past every limit (deep nesting, long
// chains, huge literals and names, NUL bytes) and byte flips and cuts of the
// application's and the test programs' real sources, with fixed seeds so a
// failure reproduces. Whatever the input, zc must end with diagnostics or a
// program: no crash (this test is built with AddressSanitizer and
// UndefinedBehaviorSanitizer) and no hang (a watchdog ends the run when one
// case takes more than five seconds). Z_FUZZ_SCALE multiplies the counts
// for longer runs (`make fuzz`).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <thread>

#include "compiler/codegen.h"
#include "compiler/runtime_interface.h"
#include "tests/compiler/compile_helpers.h"
#include "tests/compiler/fake_runtime.h"

namespace {

int scaled(int count) {
  const char* scale = std::getenv("Z_FUZZ_SCALE");
  return count * (scale ? std::max(1, std::atoi(scale)) : 1);
}

const int k_rounds = scaled(3000);  // about a second for both tests under the sanitizers

const std::string k_valid_program =
    "Const K = 3\n"
    "Class Shape\n"
    "  Property Size As Double\n"
    "  Function Area() As Double\n"
    "    Return Size * Size\n"
    "  End Function\n"
    "End Class\n"
    "Window Main Inherits Dialog\n"
    "  Title = \"Main\"\n"
    "  Control OK As PushButton\n"
    "    Caption = \"OK\"\n"
    "    Event Action()\n"
    "      Close\n"
    "    End Event\n"
    "  End Control\n"
    "  Property Values(255) As Double\n"
    "  Sub Run(s As String, g As Graphics)\n"
    "    For i = 0 To K\n"
    "      If Values(i) > 1.5 Then\n"
    "        g.DrawLine i, 0, i, 10\n"
    "      ElseIf s = \"\" Then\n"
    "        Exit For\n"
    "      End If\n"
    "    Next\n"
    "    Select Case Len(s)\n"
    "      Case 1, 2\n"
    "        MsgBox Mid(s, 1) + Chr(13)\n"
    "    End Select\n"
    "  Exception err As NilObjectException\n"
    "    Raise err\n"
    "  End Sub\n"
    "End Window\n"
    "MenuBar\n"
    "  Menu \"File\"\n"
    "    Item FileQuit \"Quit\" Key \"Q\" As QuitMenuItem\n"
    "  End Menu\n"
    "End MenuBar\n"
    "Settings\n"
    "  Message 4, \"x\" + Chr(13)\n"
    "End Settings\n";

std::vector<std::string> fragments() {
  std::vector<std::string> result;
  for (const zc::TokenSpelling& spelling : zc::k_token_table) result.emplace_back(spelling.text);
  for (const char* extra : {"x", "Shape", "Main", "1", "2.5", "\"s\"", "\n", "\n", "\n", " _\n", "'c\n", "&hFF", "\""})
    result.emplace_back(extra);
  return result;
}

// Ends the process when one case runs past the bound: a hang, not slowness.
class Watchdog {
 public:
  static constexpr auto k_bound = std::chrono::seconds(5);
  Watchdog() : m_thread([this] { watch(); }) {}
  ~Watchdog() {
    m_stop = true;
    m_thread.join();
  }
  void start(const std::string& name) {
    std::snprintf(m_case, sizeof m_case, "%s", name.c_str());
    m_started = Clock::now().time_since_epoch().count();
  }

 private:
  using Clock = std::chrono::steady_clock;
  void watch() {
    while (!m_stop) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      if (Clock::now() - Clock::time_point(Clock::duration(m_started.load())) > k_bound) {
        std::fprintf(stderr, "fuzz case '%s' ran past %lld s: zc hangs on it\n", m_case,
                     static_cast<long long>(k_bound.count()));
        std::_Exit(1);
      }
    }
  }
  std::atomic<bool> m_stop{false};
  std::atomic<Clock::rep> m_started{Clock::now().time_since_epoch().count()};
  char m_case[128] = {};
  std::thread m_thread;
};

enum class Outcome { Diagnostics, Compiled };

// A program that checks is also generated: the generator must take every
// program the checker accepts.
Outcome compile(const std::string& source, const zc::RuntimeInterface& runtime) {
  test::Compiled compiled = test::parse_text(source);
  if (compiled.error_count == 0) compiled = test::check_text(source, runtime);
  EXPECT_LE(compiled.error_count, zc::Diagnostics::k_error_limit) << source.substr(0, 200);
  if (compiled.error_count != 0 || !compiled.semantics) return Outcome::Diagnostics;
  std::ostringstream sink;
  zc::Diagnostics diagnostics(sink);
  const std::string assembly = zc::generate_assembly(compiled.program, *compiled.semantics, runtime, {}, diagnostics);
  if (diagnostics.error_count() != 0) return Outcome::Diagnostics;
  EXPECT_NE(assembly.find("_zoltic_entry:"), std::string::npos) << source.substr(0, 200);
  return Outcome::Compiled;
}

// Outcomes of a run of cases, printed for the record.
struct Tally {
  const char* what;
  int diagnostics = 0;
  int compiled = 0;
  void add(Outcome outcome) { ++(outcome == Outcome::Compiled ? compiled : diagnostics); }
  ~Tally() {
    std::cout << "fuzz " << what << ": " << diagnostics + compiled << " cases, " << diagnostics
              << " ended with diagnostics, " << compiled << " compiled, none crashed or hung\n";
  }
};

std::string repeat(std::string_view piece, std::size_t count) {
  std::string text;
  text.reserve(piece.size() * count);
  for (std::size_t i = 0; i < count; ++i) text += piece;
  return text;
}

std::string in_method(const std::string& statements) {
  return "Class C\n  Function F(x As Integer, s As String, b As Boolean) As Integer\n" + statements +
         "\n  End Function\nEnd Class\n";
}

std::string class_chain(int classes, bool closed) {
  std::string source;
  for (int i = 0; i < classes; ++i) {
    const int base = i ? i - 1 : (closed ? classes - 1 : -1);
    source += "Class C" + std::to_string(i) + (base >= 0 ? " Inherits C" + std::to_string(base) : "") +
              "\n  Property P As Integer\n  Function F() As Integer\n    Return P\n  End Function\nEnd Class\n";
  }
  return source;
}

// Sources made to the measure of every limit: at it, just past it and far
// past it; chains, literals and names far longer than any program has.
std::vector<std::pair<std::string, std::string>> machine_made_sources() {
  std::vector<std::pair<std::string, std::string>> cases;
  for (const std::size_t depth : {63, 64, 65, 254, 255, 256, 257, 10000}) {
    const std::string n = std::to_string(depth);
    cases.push_back({"brackets " + n, in_method("Return " + repeat("(", depth) + "x" + repeat(")", depth))});
    cases.push_back({"minus " + n, in_method("Return " + repeat("-", depth) + "x")});
    cases.push_back({"not " + n, in_method("b = " + repeat("Not ", depth) + "b")});
    cases.push_back({"calls " + n, in_method("Return " + repeat("F(", depth) + "x" + repeat(", s, b)", depth))});
    cases.push_back({"members " + n, in_method("Return Self" + repeat(".F", depth))});
    cases.push_back({"isa " + n, in_method("b = Self" + repeat(" IsA C", depth))});
    cases.push_back({"new " + n, in_method("Dim c As C = " + repeat("New C(", depth) + repeat(")", depth))});
    cases.push_back({"ifs " + n, in_method(repeat("If b Then\n", depth) + repeat("End If\n", depth))});
    cases.push_back({"loops " + n, in_method(repeat("While b\nDo\n", depth) + repeat("Loop\nWend\n", depth))});
    cases.push_back({"unclosed " + n, in_method(repeat("Select Case x\nCase 1\nFor x = 1 To 2\n", depth))});
    cases.push_back({"menus " + n, "MenuBar\n" + repeat("Menu \"m\"\n", depth) + repeat("End Menu\n", depth) +
                                       "End MenuBar\n"});
  }
  for (const std::size_t links : {100, 10000}) {
    const std::string n = std::to_string(links);
    cases.push_back({"sum chain " + n, in_method("Return x" + repeat(" + x * 2 - 1", links))});
    cases.push_back({"text chain " + n, in_method("s = s" + repeat(" + s + \"a\"", links))});
    cases.push_back({"logic chain " + n, in_method("b = b" + repeat(" And b Or x < 2", links))});
    cases.push_back({"power chain " + n, in_method("Return x" + repeat(" ^ 2 \\ 3 Mod 4", links))});
    cases.push_back({"constant chain " + n, "Const K = \"a\"" + repeat(" + \"bc\"", links) + "\n"});
    cases.push_back({"broken chain " + n, in_method("Return x" + repeat(" + x *", links))});
  }
  for (const int classes : {2, 3000}) {
    cases.push_back({"class chain " + std::to_string(classes), class_chain(classes, false)});
    cases.push_back({"class cycle " + std::to_string(classes), class_chain(classes, true)});
  }
  std::string diamond = "Interface I0\nEnd Interface\nInterface I1 Implements I0\nEnd Interface\n";
  for (int i = 2; i < 80; ++i)
    diamond += "Interface I" + std::to_string(i) + " Implements I" + std::to_string(i - 1) + ", I" +
               std::to_string(i - 2) + "\nEnd Interface\n";
  cases.push_back({"interface diamond", diamond + "Class D\n  Sub S(i As I79)\n    Dim d As D = i\n  End Sub\nEnd Class\n"});
  cases.push_back({"interface cycle", "Interface A Implements B\nEnd Interface\nInterface B Implements A\nEnd Interface\n"
                                      "Class C Implements A\n  Sub S()\n    Dim c As C = Nil\n  End Sub\nEnd Class\n"});
  const std::string huge(1 << 18, 'a');
  cases.push_back({"huge string", in_method("s = \"" + huge + "\"")});
  cases.push_back({"huge name", in_method("Dim " + huge + " As Integer = x\nReturn " + huge)});
  cases.push_back({"huge class name", "Class " + huge + "\nEnd Class\n"});
  cases.push_back({"huge number", in_method("Return " + repeat("9", 100000))});
  cases.push_back({"huge hexadecimal", in_method("Return &h" + repeat("F", 100000))});
  cases.push_back({"huge real", in_method("Return 1" + repeat("0", 400) + ".5e99999")});
  cases.push_back({"huge comment", in_method("' " + huge)});
  cases.push_back({"constant call of a literal", "Const K = \"a\"(1)\n"});  // once read as a name, for Chr
  cases.push_back({"many arguments", in_method("Return F(" + repeat("x, ", 100000) + "x)")});
  cases.push_back({"many lines", in_method(repeat("\n", 200000) + "Return x")});
  cases.push_back({"many continuations", in_method("Return x" + repeat(" _\n + x", 20000))});
  using namespace std::string_view_literals;
  for (const std::string_view where :
       {"s = \"a\0b\""sv, "Dim a\0b As Integer"sv, "' \0"sv, "Re\0turn x"sv, "\0"sv, "#If \0 Then"sv})
    cases.push_back({"nul", in_method(std::string(where))});
  return cases;
}

// The application's sources as one program, and each test program.
std::vector<std::pair<std::string, std::string>> real_sources() {
  std::vector<std::pair<std::string, std::string>> sources;
  const std::filesystem::path root(Z_SOURCE_DIR);
  auto read = [](const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  std::string application;
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(root / "app"))
    if (entry.path().extension() == ".zs") paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());
  for (const auto& path : paths) application += read(path);
  sources.push_back({"app", application});
  paths.clear();
  for (const auto& entry : std::filesystem::directory_iterator(root / "tests" / "programs"))
    if (entry.path().extension() == ".zs") paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());
  for (const auto& path : paths) sources.push_back({path.filename().string(), read(path)});
  return sources;
}

}  // namespace

TEST(Fuzz, RandomTokenStreams) {
  Watchdog watchdog;
  Tally tally{"random token streams"};
  std::mt19937 random(20261208);
  const std::vector<std::string> pieces = fragments();
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(1, 120);
  for (int round = 0; round < k_rounds; ++round) {
    std::string source;
    for (int i = length(random); i > 0; --i) source += pieces[pick(random)] + " ";
    watchdog.start("token stream " + std::to_string(round));
    tally.add(compile(source, test::fake_runtime()));
  }
}

TEST(Fuzz, MutatedValidPrograms) {
  ASSERT_EQ(test::check_text(k_valid_program, test::fake_runtime()).errors, "");
  Watchdog watchdog;
  Tally tally{"mutated valid programs"};
  std::mt19937 random(4242);
  const std::vector<std::string> pieces = fragments();
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  for (int round = 0; round < k_rounds; ++round) {
    std::string source = k_valid_program;
    std::uniform_int_distribution<int> edits(1, 4);
    for (int i = edits(random); i > 0; --i) {
      std::uniform_int_distribution<std::size_t> at(0, source.size() - 1);
      std::size_t position = at(random);
      switch (random() % 3) {
        case 0: source.erase(position, 1 + random() % 8); break;  // drop a few characters
        case 1: source.insert(position, pieces[pick(random)]); break;
        default: source.insert(position, source.substr(at(random), random() % 40)); break;  // duplicate a stretch
      }
    }
    watchdog.start("mutated program " + std::to_string(round));
    tally.add(compile(source, test::fake_runtime()));
  }
}

TEST(Fuzz, MachineMadeSourcesPastEveryLimit) {
  Watchdog watchdog;
  Tally tally{"machine-made sources"};
  const zc::RuntimeInterface runtime = zc::runtime_tables();
  for (const auto& [name, source] : machine_made_sources()) {
    watchdog.start(name);
    tally.add(compile(source, runtime));
  }
  EXPECT_GT(tally.compiled, 0);
  EXPECT_GT(tally.diagnostics, 0);
}

TEST(Fuzz, FlippedCutAndPaddedRealSources) {
  Watchdog watchdog;
  Tally tally{"mutated real sources"};
  const zc::RuntimeInterface runtime = zc::runtime_tables();
  const auto sources = real_sources();
  ASSERT_GT(sources.size(), 2U);
  std::mt19937 random(20261209);
  const int rounds = scaled(300);
  for (int round = 0; round < rounds; ++round) {
    const auto& [name, original] = sources[random() % sources.size()];
    std::string source = original;
    auto at = [&] { return static_cast<std::size_t>(random() % (source.size() + 1)); };
    switch (random() % 6) {
      case 0: source.resize(at()); break;  // a file cut off
      case 1:
        for (int flips = 1 + random() % 8; flips > 0 && !source.empty(); --flips)
          source[random() % source.size()] = static_cast<char>(random());
        break;
      case 2: source.insert(at(), 1 + random() % 3, '\0'); break;
      case 3: source.insert(at(), repeat(random() % 2 ? "(" : "If x Then\n", 200 + random() % 200)); break;
      case 4: source.insert(at(), std::string(1 + random() % 100000, "a9\"_ "[random() % 5])); break;
      default: {
        const std::size_t from = at();
        source.insert(at(), source.substr(from, random() % 4000));  // a stretch twice
      }
    }
    watchdog.start(name + " round " + std::to_string(round));
    tally.add(compile(source, runtime));
  }
}
