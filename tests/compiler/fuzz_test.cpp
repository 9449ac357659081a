// Bounded fuzzing of the compiler's front: random token streams and mutated
// valid programs, with fixed seeds so a failure reproduces. Whatever the
// input, lexing, parsing and checking must end without a crash and report
// no more errors than the limit.
#include <gtest/gtest.h>

#include <random>

#include "compiler/codegen.h"
#include "tests/compiler/compile_helpers.h"
#include "tests/compiler/fake_runtime.h"

namespace {

constexpr int k_rounds = 15000;  // about a second for both tests

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

// A program that checks is also generated: the generator must take every
// program the checker accepts.
void expect_survives(const std::string& source) {
  test::Compiled compiled = test::parse_text(source);
  if (compiled.error_count == 0) compiled = test::check_text(source, test::fake_runtime());
  ASSERT_LE(compiled.error_count, zc::Diagnostics::k_error_limit) << source;
  if (compiled.error_count != 0 || !compiled.semantics) return;
  std::ostringstream sink;
  zc::Diagnostics diagnostics(sink);
  const std::string assembly =
      zc::generate_assembly(compiled.program, *compiled.semantics, test::fake_runtime(), {}, diagnostics);
  ASSERT_NE(assembly.find("_zoltic_entry:"), std::string::npos) << source;
}

}  // namespace

TEST(Fuzz, RandomTokenStreams) {
  std::mt19937 random(20261208);
  const std::vector<std::string> pieces = fragments();
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(1, 120);
  for (int round = 0; round < k_rounds; ++round) {
    std::string source;
    for (int i = length(random); i > 0; --i) source += pieces[pick(random)] + " ";
    expect_survives(source);
  }
}

TEST(Fuzz, MutatedValidPrograms) {
  ASSERT_EQ(test::check_text(k_valid_program, test::fake_runtime()).errors, "");
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
    expect_survives(source);
  }
}
