// The parser: the trees of valid programs (as their text dump), precedence,
// the one-line and block forms, and the errors of invalid programs with their
// positions, recovery at line and block ends, and the error limit.
#include <gtest/gtest.h>

#include "tests/compiler/compile_helpers.h"

namespace {

struct DumpCase {
  const char* source;
  const char* dump;
};

void expect_dumps(std::initializer_list<DumpCase> cases) {
  for (const DumpCase& c : cases) {
    test::Compiled compiled = test::parse_text(c.source);
    EXPECT_EQ(compiled.errors, "") << c.source;
    EXPECT_EQ(compiled.dump(), c.dump) << c.source;
  }
}

// Wraps statements in a method of a class, and the expected dump likewise.
DumpCase in_method(const char* statements, const char* dump, std::string* source, std::string* expected) {
  *source = std::string("Class C\n  Sub M()\n") + statements + "  End Sub\nEnd Class\n";
  *expected = std::string("Class C\n  Sub M()\n") + dump;
  return {source->c_str(), expected->c_str()};
}

void expect_statement_dumps(std::initializer_list<std::pair<const char*, const char*>> cases) {
  for (const auto& [statements, dump] : cases) {
    std::string source, expected;
    expect_dumps({in_method(statements, dump, &source, &expected)});
  }
}

std::string expression_dump(const std::string& expression) {
  test::Compiled compiled = test::parse_text("Const X = " + expression + "\n");
  EXPECT_EQ(compiled.errors, "") << expression;
  std::string dump = compiled.dump();
  return dump.substr(10, dump.size() - 11);  // between "Const X = " and the line end
}

}  // namespace

TEST(Parser, ExpressionsFollowThePrecedenceOfTheLanguage) {
  struct Case {
    const char* source;
    const char* tree;
  } cases[] = {
      {"1 + 2 * 3", "(+ 1 (* 2 3))"},
      {"1 - 2 - 3", "(- (- 1 2) 3)"},
      {"a Or b And c", "(Or a (And b c))"},
      {"Not a = b", "(Not (= a b))"},
      {"a + b = c - d", "(= (+ a b) (- c d))"},
      {"a Mod b \\ c * d", "(Mod a (\\ b (* c d)))"},
      {"-2 ^ 2", "(- (^ 2 2))"},
      {"10 ^ -3", "(^ 10 (- 3))"},
      {"(1 + 2) * 3", "(* (+ 1 2) 3)"},
      {"x IsA Shape And y", "(And (IsA x Shape) y)"},
      {"a.b.c(1, 2)(3)", "(call (call (. (. a b) c) 1 2) 3)"},
      {"New Shape(1)", "(New Shape 1)"},
      {"Me.x <> Self.y", "(<> (. Self x) (. Self y))"},
      {"\"say \"\"hi\"\"\" + Nil", "(+ \"say \"\"hi\"\"\" Nil)"},
      {"&hFF + &b101 + &o17 + 1.5 + 2e-3", "(+ (+ (+ (+ 255 5) 15) 1.5) 0.002)"},
      {"True <= False", "(<= True False)"},
      {"list.Item(0).Key", "(. (call (. list Item) 0) Key)"},
  };
  for (const Case& c : cases) EXPECT_EQ(expression_dump(c.source), c.tree) << c.source;
}

TEST(Parser, StatementsOfAMethodBody) {
  expect_statement_dumps({
      {"    Dim a(255) As Double\n    Dim s As String = \"x\"\n",
       "    Dim a(255) As Double\n    Dim s As String = \"x\"\n"},
      {"    x = x + 1\n    a(i) = 2\n    obj.Count = 3\n",
       "    Assign x = (+ x 1)\n    Assign (call a i) = 2\n    Assign (. obj Count) = 3\n"},
      {"    MsgBox \"hi\"\n    Close\n    g.DrawLine 1, 2, 3, 4\n    Helper(1)\n",
       "    Call (call MsgBox \"hi\")\n    Call (call Close)\n    Call (call (. g DrawLine) 1 2 3 4)\n"
       "    Call (call Helper 1)\n"},
      {"    Return\n    Return x * 2\n    Raise New NilObjectException\n    Exit Sub\n",
       "    Return\n    Return (* x 2)\n    Raise (New NilObjectException)\n    Exit Sub\n"},
  });
}

TEST(Parser, IfInBlockAndOneLineForms) {
  expect_statement_dumps({
      {"    If a Then\n      x = 1\n    ElseIf b Then\n      x = 2\n    ElseIf c Then\n    Else\n      x = 3\n    End If\n",
       "    If a\n      Assign x = 1\n    ElseIf b\n      Assign x = 2\n    ElseIf c\n    Else\n      Assign x = 3\n"},
      {"    If a Then x = 1 Else MsgBox \"no\"\n    If b Then Return\n",
       "    If a\n      Assign x = 1\n    Else\n      Call (call MsgBox \"no\")\n    If b\n      Return\n"},
  });
}

TEST(Parser, Loops) {
  expect_statement_dumps({
      {"    For i = 1 To n Step -1\n      Exit For\n    Next i\n    For j = 0 To 3\n    Next\n",
       "    For i = 1 To n Step (- 1)\n      Exit For\n    For j = 0 To 3\n"},
      {"    While a < b\n      a = a + 1\n    Wend\n", "    While (< a b)\n      Assign a = (+ a 1)\n"},
      {"    Do\n      Exit Do\n    Loop Until done\n    Do While x\n    Loop\n    Do\n    Loop\n",
       "    Do\n      Exit Do\n    Loop Until done\n    Do While x\n    Loop\n    Do\n    Loop\n"},
  });
}

TEST(Parser, SelectCase) {
  expect_statement_dumps({
      {"    Select Case k\n      Case 1, 2\n        x = 1\n      Case Else\n        x = 0\n    End Select\n",
       "    Select Case k\n      Case 1, 2\n        Assign x = 1\n      Case Else\n        Assign x = 0\n"},
  });
}

TEST(Parser, ExceptionHandlersAndPragmaOfAMethod) {
  expect_dumps({{"Class C\n"
                 "  Function F(ByRef s As String, v() As Integer) As Boolean\n"
                 "    #pragma DisableBackgroundTasks\n"
                 "    Return True\n"
                 "  Exception err As NilObjectException\n"
                 "    Return False\n"
                 "  Exception\n"
                 "    Raise err\n"
                 "  End Function\n"
                 "End Class\n",
                 "Class C\n"
                 "  Function F(ByRef s As String, v As Integer()) As Boolean\n"
                 "    #pragma DisableBackgroundTasks\n"
                 "    Return True\n"
                 "    Exception err As NilObjectException\n"
                 "      Return False\n"
                 "    Exception\n"
                 "      Raise err\n"}});
}

TEST(Parser, DeclarationsOfClassesInterfacesAndGlobals) {
  expect_dumps({{"Const Limit As Integer = 10\n"
                 "Dim Counter As Integer\n"
                 "Interface Shape\n"
                 "  Function Area() As Double\n"
                 "  Sub Scale(f As Double)\n"
                 "End Interface\n"
                 "Class Circle Inherits Base Implements Shape, Other\n"
                 "  Const Pi = 3.14159\n"
                 "  Property R As Double\n"
                 "  Property Values(255) As Double\n"
                 "  Sub Constructor()\n"
                 "  End Sub\n"
                 "  Event Open()\n"
                 "  End Event\n"
                 "End Class\n",
                 "Const Limit As Integer = 10\n"
                 "Dim Counter As Integer\n"
                 "Interface Shape\n"
                 "  Function Area() As Double\n"
                 "  Sub Scale(f As Double)\n"
                 "Class Circle Inherits Base Implements Shape, Other\n"
                 "  Const Pi = 3.14159\n"
                 "  Property R As Double\n"
                 "  Property Values(255) As Double\n"
                 "  Sub Constructor()\n"
                 "  Event Open()\n"}});
}

TEST(Parser, WindowsMenusSettingsAndPlugins) {
  expect_dumps({{"Window AboutWin Inherits Applet\n"
                 "  Frame = 1\n"
                 "  Title = \"About...\"\n"
                 "  Control PushButton1 As PushButton\n"
                 "    Left = -313\n"
                 "    Default = True\n"
                 "    Event Action()\n"
                 "      Close\n"
                 "    End Event\n"
                 "  End Control\n"
                 "  Event KeyDown(Key As String) As Boolean\n"
                 "  End Event\n"
                 "End Window\n"
                 "MenuBar\n"
                 "  Menu \"File\"\n"
                 "    Item FileQuit \"Quit\" Key \"Q\" As QuitMenuItem\n"
                 "    Menu \"Recent\"\n"
                 "      Item Recent1 \"One\"\n"
                 "    End Menu\n"
                 "    Separator\n"
                 "  End Menu\n"
                 "End MenuBar\n"
                 "Settings\n"
                 "  Message 4, \"a\" + Chr(13)\n"
                 "  MDI False\n"
                 "End Settings\n"
                 "Plugin \"zoltbap1.dll\"\n"
                 "DefaultWindow AboutWin\n",
                 "Window AboutWin Inherits Applet\n"
                 "  Frame = 1\n"
                 "  Title = \"About...\"\n"
                 "  Control PushButton1 As PushButton\n"
                 "    Left = (- 313)\n"
                 "    Default = True\n"
                 "    Event Action()\n"
                 "      Call (call Close)\n"
                 "  Event KeyDown(Key As String) As Boolean\n"
                 "MenuBar\n"
                 "  Menu \"File\"\n"
                 "    Item FileQuit \"Quit\" Key \"Q\" As QuitMenuItem\n"
                 "    Menu \"Recent\"\n"
                 "      Item Recent1 \"One\"\n"
                 "    Separator\n"
                 "Settings\n"
                 "  Message 4, (+ \"a\" (call Chr 13))\n"
                 "  MDI False\n"
                 "Plugin \"zoltbap1.dll\"\n"
                 "DefaultWindow AboutWin\n"}});
}

TEST(Parser, TreesCarryTheirPositions) {
  test::Compiled compiled = test::parse_text("Class C\n  Sub M()\n    x = a + b\n  End Sub\nEnd Class\n");
  const zc::MethodDecl& method = compiled.program.units[0].classes[0].methods[0];
  EXPECT_EQ(method.pos.line, 2);
  const auto& assign = static_cast<const zc::AssignStmt&>(*method.body[0]);
  EXPECT_EQ(assign.pos.line, 3);
  EXPECT_EQ(assign.pos.column, 5);
  EXPECT_EQ(assign.value->pos.column, 11);  // the operator
}

TEST(Parser, ReportsEachErrorWithItsPosition) {
  struct Case {
    const char* body;  // statements of a method whose Sub is on line 2
    const char* first_error;
  } cases[] = {
      {"    If x\n    End If\n", "t.zs:3:9: error: expected 'Then' after the If condition, found end of line"},
      {"    x = (1 +\n", "t.zs:3:13: error: expected an expression, found end of line"},
      {"    Next\n", "t.zs:3:5: error: 'Next' without 'For'"},
      {"    Wend\n", "t.zs:3:5: error: 'Wend' without 'While'"},
      {"    Else\n", "t.zs:3:5: error: 'Else' without 'If'"},
      {"    End While\n", "t.zs:3:5: error: 'End While' without 'While'"},
      {"    For i = 1 To 3\n    Next j\n", "t.zs:4:10: error: 'Next j' does not match 'For i'"},
      {"    Exit Loop\n", "t.zs:3:10: error: expected For, While, Do, Sub or Function after 'Exit', found 'Loop'"},
      {"    Dim q As\n", "t.zs:3:13: error: expected a type name, found end of line"},
      {"    x = 1 2\n", "t.zs:3:11: error: expected end of line, found '2'"},
      {"    #pragma Fast\n", "t.zs:3:13: error: unknown pragma 'Fast'"},
      {"    Do While a\n    Loop Until b\n", "t.zs:4:10: error: a Do loop tests its condition at the top or at the bottom, not both"},
      {"    Select Case k\n      x = 1\n    End Select\n", "t.zs:4:7: error: expected 'Case', found 'x'"},
      {"    x = 99999999999999999999\n", "t.zs:3:9: error: the number 99999999999999999999 is too large"},
      {"    x = a.\n", "t.zs:3:11: error: expected a member name after '.', found end of line"},
      {"    5 = x\n", "t.zs:3:5: error: expected a statement, found '5'"},
  };
  for (const Case& c : cases) {
    test::Compiled compiled = test::parse_text(std::string("Class C\n  Sub M()\n") + c.body + "  End Sub\nEnd Class\n");
    EXPECT_EQ(compiled.first_error(), c.first_error) << c.body;
  }
}

TEST(Parser, ReportsErrorsOfDeclarations) {
  struct Case {
    const char* source;
    const char* first_error;
  } cases[] = {
      {"Foo\n", "t.zs:1:1: error: expected a declaration (Class, Interface, Window, MenuBar, Settings, Plugin, "
                "DefaultWindow, Const or Dim), found 'Foo'"},
      {"Class C\n  x = 1\nEnd Class\n", "t.zs:2:3: error: expected Property, Const, Sub, Function, Event or MenuHandler, found 'x'"},
      {"Class C\n  Sub F() As Integer\n  End Sub\nEnd Class\n",
       "t.zs:2:11: error: a Sub has no result; declare a Function instead"},
      {"Class C\n  Function F()\n  End Function\nEnd Class\n",
       "t.zs:2:15: error: expected 'As' and the Function's result type, found end of line"},
      {"Interface I\n  Property P As Integer\nEnd Interface\n",
       "t.zs:2:3: error: expected a Sub or Function signature in the interface, found 'Property'"},
      {"MenuBar\n  Item A \"a\"\nEnd MenuBar\n", "t.zs:2:3: error: expected 'Menu', found 'Item'"},
      {"MenuBar\n  Menu \"F\"\n    Item A\n  End Menu\nEnd MenuBar\n",
       "t.zs:3:11: error: expected the item's text as a string, found end of line"},
      {"Plugin zolt\n", "t.zs:1:8: error: expected the plug-in's file name as a string, found 'zolt'"},
      {"Window W\n  Control B As PushButton\n    Sub F()\n  End Control\nEnd Window\n",
       "t.zs:3:5: error: expected a definition property (Name = value) or an Event handler, found 'Sub'"},
  };
  for (const Case& c : cases) EXPECT_EQ(test::parse_text(c.source).first_error(), c.first_error) << c.source;
}

TEST(Parser, MenuHandlersAreMembersAndTheirKeywordIsANameElsewhere) {
  expect_dumps({{"Window Main\n"
                 "  MenuHandler FileQuit() As Boolean\n"
                 "    Return True\n"
                 "  End MenuHandler\n"
                 "  MenuHandler FileOpen(index As Integer) As Boolean\n"
                 "  End MenuHandler\n"
                 "  Sub Count()\n"
                 "    Dim MenuHandler As Integer = 1\n"
                 "  End Sub\n"
                 "End Window\n",
                 "Window Main\n"
                 "  MenuHandler FileQuit() As Boolean\n"
                 "    Return True\n"
                 "  MenuHandler FileOpen(index As Integer) As Boolean\n"
                 "  Sub Count()\n"
                 "    Dim MenuHandler As Integer = 1\n"}});
  test::Compiled compiled = test::parse_text(
      "Class App Inherits Application\n"
      "  MenuHandler FileQuit() As Boolean\n"
      "  Sub After()\n"
      "  End Sub\n"
      "End Class\n");
  EXPECT_EQ(compiled.first_error(), "t.zs:3:3: error: 'End MenuHandler' expected (to close 'MenuHandler' at line 2)");
  ASSERT_EQ(compiled.program.units[0].classes.size(), 1u);
  EXPECT_EQ(compiled.program.units[0].classes[0].methods.size(), 2u) << "the Sub after the error is still read";
}

TEST(Parser, MissingEndsAreReportedAtTheOpenerAndParsingGoesOn) {
  test::Compiled compiled = test::parse_text(
      "Class A\n"
      "  Sub F()\n"
      "    If x Then\n"
      "      y = 1\n"
      "  End Sub\n"
      "  Sub G()\n"
      "    While True\n"
      "  Function H() As Integer\n"
      "  End Function\n"
      "End Class\n"
      "Class B\n");
  EXPECT_EQ(compiled.errors,
            "t.zs:5:3: error: 'End If' expected (to close 'If' at line 3)\n"
            "    End Sub\n"
            "    ^\n"
            "t.zs:8:3: error: 'Wend' expected (to close 'While' at line 7)\n"
            "    Function H() As Integer\n"
            "    ^\n"
            "t.zs:12:1: error: 'End Class' expected (to close 'Class' at line 11)\n"
            "  \n"
            "  ^\n");
  // The methods after the errors are still in the tree.
  ASSERT_EQ(compiled.program.units[0].classes.size(), 2u);
  EXPECT_EQ(compiled.program.units[0].classes[0].methods.size(), 3u);
}

// Each deeper than any program needs and deep enough to overflow the stack of
// a parser without limits; the first level past the limit is reported once.
TEST(Parser, NestingPastTheLimitIsReportedOnceAndEndsTheParse) {
  auto repeat = [](std::string_view piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
  };
  constexpr int k_deep = 40000;
  const std::string expression_limit = "expression nested more than 64 deep (the limit); the rest of the file is not read";
  const std::string block_limit = "blocks nested more than 256 deep (the limit); the rest of the file is not read";
  struct Case {
    std::string source;
    std::string first_error;
  } cases[] = {
      // "Const X = " takes ten columns, so the 65th of one-column openers is at 75.
      {"Const X = " + repeat("(", k_deep) + "1" + repeat(")", k_deep) + "\n", "t.zs:1:75: error: " + expression_limit},
      {"Const X = " + repeat("-", k_deep) + "1\n", "t.zs:1:75: error: " + expression_limit},
      {"Const X = " + repeat("Not ", k_deep) + "True\n", "t.zs:1:267: error: " + expression_limit},
      {"Const X = " + repeat("f(", k_deep) + "\n", "t.zs:1:140: error: " + expression_limit},
      {"Const X = x" + repeat(".y", k_deep) + "\n", "t.zs:1:140: error: " + expression_limit},
      {"Const X = x" + repeat(" IsA T", k_deep) + "\n", "t.zs:1:397: error: " + expression_limit},
      {"Const X = 1" + repeat(" + (1", k_deep) + "\n", "t.zs:1:173: error: " + expression_limit},
      {"Class C\n  Sub M()\n" + repeat("If c Then\n", k_deep), "t.zs:257:1: error: " + block_limit},
      {"Class C\n  Sub M()\n" + repeat("For i = 1 To 2\nWhile c\n", k_deep), "t.zs:257:1: error: " + block_limit},
      {"MenuBar\n" + repeat("Menu \"m\"\n", k_deep), "t.zs:257:1: error: " + block_limit},
  };
  for (const Case& c : cases) {
    const test::Compiled compiled = test::parse_text(c.source);
    EXPECT_EQ(compiled.first_error(), c.first_error) << c.source.substr(0, 40);
    EXPECT_EQ(compiled.error_count, 1) << compiled.errors.substr(0, 500);
  }
  // At the limits themselves everything parses, and a chain has no limit.
  for (const std::string& source :
       {"Const X = " + repeat("(", 64) + "1" + repeat(")", 64) + "\n", "Const X = 2" + repeat(" ^ 2 * 2", k_deep) + "\n",
        "Class C\n  Sub M()\n" + repeat("If c Then\n", 254) + repeat("End If\n", 254) + "  End Sub\nEnd Class\n"})
    EXPECT_EQ(test::parse_text(source).errors, "");
}

TEST(Parser, ReportsOneErrorPerLine) {
  test::Compiled compiled = test::parse_text("Class C\n  Sub M()\n    x = ) + ) + )\n  End Sub\nEnd Class\n");
  EXPECT_EQ(compiled.error_count, 1);
}

TEST(Parser, StopsAtTheErrorLimit) {
  std::string source = "Class C\n  Sub M()\n";
  for (int i = 0; i < 50; ++i) source += "    Next\n";
  source += "  End Sub\nEnd Class\n";
  test::Compiled compiled = test::parse_text(source);
  EXPECT_EQ(compiled.error_count, zc::Diagnostics::k_error_limit);
  EXPECT_NE(compiled.errors.find("too many errors, stopping"), std::string::npos);
}
