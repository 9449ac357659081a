// The checker against a small runtime interface of its own: what it attaches
// to the tree for a valid program, and each kind of error in method bodies,
// declarations, window definitions, the menu bar and the settings.
#include <gtest/gtest.h>

#include "compiler/program_layout.h"
#include "tests/compiler/compile_helpers.h"
#include "tests/compiler/fake_runtime.h"

namespace {

// A window with a property, an array, a control and two methods, so that
// bodies put into `Probe` have something to refer to.
std::string window_with(const std::string& probe_body) {
  return "Class Shape\n"
         "  Const Sides = 4\n"
         "  Property Size As Double\n"
         "  Function Area() As Double\n"
         "    Return Size * Size\n"
         "  End Function\n"
         "End Class\n"
         "Class Square Inherits Shape\n"
         "End Class\n"
         "Window Main Inherits Dialog\n"
         "  Title = \"Main\"\n"
         "  Control OK As PushButton\n"
         "    Caption = \"OK\"\n"
         "  End Control\n"
         "  Property Count As Integer\n"
         "  Property Values(255) As Double\n"
         "  Sub Swap(ByRef a As Integer, b As Integer)\n"
         "  End Sub\n"
         "  Function Twice(x As Double) As Double\n"
         "    Return x * 2\n"
         "  End Function\n"
         "  Sub Probe(s As String, shape As Shape, g As Graphics)\n" +
         probe_body +
         "  End Sub\n"
         "End Window\n";
}

test::Compiled check(const std::string& source) { return test::check_text(source, test::fake_runtime()); }

const zc::Block& probe_body(const test::Compiled& compiled) {
  return compiled.program.units[0].classes[2].methods[2].body;
}

}  // namespace

TEST(Checker, AcceptsAValidProgramAndAnnotatesItsTree) {
  test::Compiled compiled = check(window_with(
      "    Dim n As Integer = Len(s) + Count\n"
      "    Values(n) = Twice(n)\n"
      "    OK.Enabled = False\n"
      "    g.DrawLine 1, 2, 3, 4\n"
      "    Dim sq As Square = Square(shape)\n"
      "    MsgBox Mid(s, 1) + Mid(s, 1, 2) + Chr(13)\n"
      "    If shape IsA Square And Not (shape = Nil) Then Return\n"
      "    For i = 1 To Shape.Sides\n"
      "      Swap Count, i\n"
      "    Next\n"
      "    Main.Title = \"again\"\n"
      "    Dim f As FolderItem = GetOpenFolderItem(\"*.out\")\n"
      "    g.Pixel(Left, 2) = g.Pixel(1, 2) + 1\n"
      "    s = Left(s, Left) + f.Child(\"a\").Child(\"b\").Name\n"));
  ASSERT_EQ(compiled.errors, "");
  const zc::Block& body = probe_body(compiled);
  const auto& dim = static_cast<const zc::DimStmt&>(*body[0]);
  EXPECT_EQ(dim.variable.symbol->kind, zc::SymbolKind::Local);
  const auto& sum = static_cast<const zc::BinaryExpr&>(*dim.variable.initial_value);
  const auto& len = static_cast<const zc::CallExpr&>(*sum.left);
  EXPECT_EQ(len.call_kind, zc::CallKind::Routine);
  EXPECT_EQ(len.target->routine, "StringDBCSLen");
  EXPECT_EQ(static_cast<const zc::NameExpr&>(*sum.right).symbol->kind, zc::SymbolKind::Property);

  const auto& store = static_cast<const zc::AssignStmt&>(*body[1]);
  EXPECT_EQ(static_cast<const zc::CallExpr&>(*store.target).call_kind, zc::CallKind::ArrayElement);
  EXPECT_EQ(store.target->type->name(), "Double");
  EXPECT_EQ(static_cast<const zc::CallExpr&>(*store.value).call_kind, zc::CallKind::Method);

  const auto& enable = static_cast<const zc::AssignStmt&>(*body[2]);
  const auto& enabled = static_cast<const zc::MemberExpr&>(*enable.target);
  EXPECT_EQ(enabled.symbol->setter, "controlEnabledSetter");
  EXPECT_EQ(enabled.symbol->parameter_word, 12);
  EXPECT_EQ(static_cast<const zc::NameExpr&>(*enabled.object).symbol->kind, zc::SymbolKind::Control);

  const auto& draw = static_cast<const zc::CallExpr&>(*static_cast<const zc::CallStmt&>(*body[3]).call);
  EXPECT_EQ(draw.target->routine, "RuntimeGraphicsDrawLine");

  const auto& cast = static_cast<const zc::DimStmt&>(*body[4]);
  EXPECT_EQ(static_cast<const zc::CallExpr&>(*cast.variable.initial_value).call_kind, zc::CallKind::Cast);

  const auto& message = static_cast<const zc::CallExpr&>(*static_cast<const zc::CallStmt&>(*body[5]).call);
  const auto& concatenation = static_cast<const zc::BinaryExpr&>(*message.arguments[0]);
  const auto& inner = static_cast<const zc::BinaryExpr&>(*concatenation.left);
  EXPECT_EQ(static_cast<const zc::CallExpr&>(*inner.left).target->routine, "StringDBCSMid2");
  EXPECT_EQ(static_cast<const zc::CallExpr&>(*inner.right).target->routine, "StringDBCSMid3");

  const auto& implicit = static_cast<const zc::AssignStmt&>(*body[8]);
  const auto& window = static_cast<const zc::MemberExpr&>(*implicit.target);
  EXPECT_EQ(static_cast<const zc::NameExpr&>(*window.object).symbol->kind, zc::SymbolKind::Class);
  EXPECT_EQ(window.object->type->name(), "Main");
  EXPECT_EQ(static_cast<const zc::DimStmt&>(*body[9]).variable.initial_value->type->name(), "FolderItem");

  // A property with arguments is read and assigned through its accessors; a
  // window's Left property leaves Left(...) to the built-in.
  const auto& pixel = static_cast<const zc::AssignStmt&>(*body[10]);
  const auto& written = static_cast<const zc::CallExpr&>(*pixel.target);
  EXPECT_EQ(written.call_kind, zc::CallKind::Property);
  EXPECT_EQ(written.target->setter, "graphicsPixelSetter");
  EXPECT_EQ(static_cast<const zc::NameExpr&>(*written.arguments[0]).symbol->getter, "windowPosGetter");
  const auto& joined = static_cast<const zc::BinaryExpr&>(*static_cast<const zc::AssignStmt&>(*body[11]).value);
  EXPECT_EQ(static_cast<const zc::CallExpr&>(*joined.left).target->routine, "StringDBCSLeft");
}

TEST(Checker, ReportsErrorsInMethodBodies) {
  struct Case {
    const char* body;  // its first line is line 23
    const char* first_error;
  } cases[] = {
      {"    x = 1\n", "t.zs:23:5: error: unknown name 'x'"},
      {"    Count = \"many\"\n", "t.zs:23:13: error: the assigned value must be Integer, not String"},
      {"    Dim t As Integer = s\n", "t.zs:23:24: error: the initial value must be Integer, not String"},
      {"    Dim b As Boolean = 1 + True\n", "t.zs:23:26: error: '+' cannot combine Integer and Boolean"},
      {"    If Count Then Return\n", "t.zs:23:8: error: the If condition must be Boolean, not Integer"},
      {"    Twice 1, 2\n", "t.zs:23:5: error: 'Twice' takes 1 argument, not 2"},
      {"    Count = Twice(\"x\")\n", "t.zs:23:19: error: argument 1 of 'Twice' must be Double, not String"},
      {"    Swap 1, 2\n", "t.zs:23:10: error: argument 1 of 'Swap' is passed ByRef: it must be a variable of type Integer"},
      {"    g.DrawLine 1, 2\n", "t.zs:23:7: error: 'DrawLine' takes 4 arguments, not 2"},
      {"    ControlCount = 3\n", "t.zs:23:5: error: 'ControlCount' is read-only"},
      {"    Shape.Sides = 3\n", "t.zs:23:11: error: 'Sides' is a constant"},
      {"    shape.Radius = 1\n", "t.zs:23:11: error: 'Shape' has no member 'Radius'"},
      {"    s.Length = 1\n", "t.zs:23:7: error: String has no member 'Length'"},
      {"    Count = Twice\n", "t.zs:23:13: error: 'Twice' is a method; call it with parentheses: Twice()"},
      {"    Dim q As Shape = Square\n", "t.zs:23:22: error: 'Square' is a class, not a value"},
      {"    Dim q As Square = shape\n", "t.zs:23:23: error: the initial value must be Square, not Shape"},
      {"    Dim q As Integer = Square(3)\n", "t.zs:23:31: error: a cast to 'Square' takes an object, not Integer"},
      {"    Count = Mid(s)\n", "t.zs:23:13: error: 'Mid' takes 2 or 3 arguments, not 1"},
      {"    Count = Values(1, 2)\n", "t.zs:23:13: error: an array element takes one index"},
      {"    Values(\"a\") = 1\n", "t.zs:23:12: error: the array index must be Integer, not String"},
      {"    Return 3\n", "t.zs:23:12: error: this method gives no result; Return takes no value here"},
      {"    Exit For\n", "t.zs:23:5: error: 'Exit For' outside a For loop"},
      {"    Exit Function\n", "t.zs:23:5: error: 'Exit Function' outside a Function"},
      {"    Raise 3\n", "t.zs:23:11: error: Raise takes an exception object, not Integer"},
      {"    Raise shape\n", "t.zs:23:11: error: Raise takes an exception object, not Shape"},
      {"    ReDim Twice(3)\n", "t.zs:23:11: error: ReDim takes an array and its new upper bound: ReDim Name(bound)"},
      {"    ReDim Values(\"a\")\n", "t.zs:23:18: error: the array index must be Integer, not String"},
      {"    Dim s As Integer\n", "t.zs:23:9: error: 's' is already declared in this method at line 22"},
      {"    If s < 3 Then Return\n", "t.zs:23:10: error: cannot compare String with Integer"},
      {"    Count = 3000000000\n", "t.zs:23:13: error: the number does not fit an Integer (32 bits)"},
      {"    For s = 1 To 2\n    Next\n", "t.zs:23:9: error: the loop variable must be a number, not String"},
      {"    Count\n", "t.zs:23:5: error: 'Count' is neither a method nor an array"},
      {"    Values(1)\n", "t.zs:23:5: error: this statement calls nothing; a statement is a call or an assignment"},
      {"    Dim p As Shape = New Shape(1)\n", "t.zs:23:22: error: the constructor of 'Shape' takes 0 arguments, not 1"},
      {"    Select Case Count\n      Case \"a\"\n    End Select\n", "t.zs:24:12: error: a Case of Integer cannot be String"},
      {"    Dim a(n) As Integer\n", "t.zs:23:11: error: an array's upper bound must be a constant Integer of 0 or more"},
      {"    g.Pixel(1) = 3\n", "t.zs:23:7: error: 'Pixel' takes 2 arguments, not 1"},
      {"    Count = g.Pixel\n", "t.zs:23:15: error: 'Pixel' takes 2 arguments: Pixel(...)"},
      {"    g.Pixel(1, 2) = s\n", "t.zs:23:21: error: the assigned value must be Color, not String"},
      {"    g.Pixel(s, 2) = 1\n", "t.zs:23:13: error: argument 1 of 'Pixel' must be Integer, not String"},
      {"    Dim f As FolderItem\n    f.Child(\"a\") = f\n", "t.zs:24:7: error: 'Child' is read-only"},
      {"    s = Left(s)\n", "t.zs:23:9: error: 'Left' takes 2 arguments, not 1"},
      {"  Exception e As NilObjectException\n  Exception f As NilObjectException\n",
       "t.zs:24:3: error: a second Exception handler for 'NilObjectException' in this method (the first is at line 23)"},
      {"  Exception\n  Exception e\n",
       "t.zs:24:3: error: a second Exception handler for any exception in this method (the first is at line 23)"},
  };
  for (const Case& c : cases) EXPECT_EQ(check(window_with(c.body)).first_error(), c.first_error) << c.body;
}

TEST(Checker, ConversionsTheLanguageAllows) {
  test::Compiled compiled = check(window_with(
      "    Dim d As Double = Count\n"      // Integer to Double
      "    Count = d\n"                    // Double to Integer truncates
      "    Dim c As Color = RGB(1, 2, 3)\n"
      "    Count = c\n"                    // Color is an Integer
      "    Dim p As Shape = New Square\n"  // to an ancestor
      "    p = Nil\n"
      "    s = Nil\n"
      "    Dim same As Boolean = p = Nil Or s = \"\" Or 1 < 2.5\n"
      "    d = 7 / 2 + 2 ^ 3 + 7 \\ 2 + 7 Mod 2\n"
      "    Count = Count And &hFF\n"));
  EXPECT_EQ(compiled.errors, "");
}

TEST(Checker, ReportsErrorsInDeclarations) {
  struct Case {
    const char* source;
    const char* first_error;
  } cases[] = {
      {"Class A Inherits B\nEnd Class\n", "t.zs:1:18: error: unknown base class 'B'"},
      {"Class A\nEnd Class\nClass A\nEnd Class\n", "t.zs:3:1: error: the class 'A' is declared twice"},
      {"Class Window\nEnd Class\n", "t.zs:1:1: error: 'Window' is already a class of the runtime"},
      {"Class A Inherits B\nEnd Class\nClass B Inherits A\nEnd Class\n",
       "t.zs:3:18: error: 'B' inherits from itself through 'A'"},
      {"Class A Inherits A\nEnd Class\n", "t.zs:1:18: error: 'A' inherits from itself through 'A'"},
      {"Class A Inherits C\nEnd Class\nClass B Inherits A\nEnd Class\nClass C Inherits B\nEnd Class\n",
       "t.zs:3:18: error: 'B' inherits from itself through 'A', 'C'"},
      // An interface cycle used to send every subclass test round it for ever.
      {"Interface I Implements J\nEnd Interface\nInterface J Implements I\nEnd Interface\n"
       "Class C Implements I\n  Sub S()\n    Dim d As Shape = Self\n  End Sub\nEnd Class\nClass Shape\nEnd Class\n",
       "t.zs:3:24: error: 'J' inherits from itself through 'I'"},
      {"Interface I\n  Function F() As Integer\nEnd Interface\nClass A Implements I\nEnd Class\n",
       "t.zs:4:1: error: 'A' does not implement 'F' of the interface 'I'"},
      {"Class A\nEnd Class\nClass B Implements A\nEnd Class\n", "t.zs:3:20: error: 'A' is a class, not an interface"},
      {"Class A\n  Property P As Integer\n  Property P As String\nEnd Class\n",
       "t.zs:3:12: error: 'P' is already declared in 'A' at line 2"},
      {"Class A\n  Property P As Widget\nEnd Class\n", "t.zs:2:17: error: unknown type 'Widget'"},
      {"Class A\n  Property P As Integer = 3\nEnd Class\n",
       "t.zs:2:27: error: a property starts as zero, Nil or empty; set it in the constructor"},
      {"Const K As Integer = \"x\"\n", "t.zs:1:1: error: the constant 'K' is Integer, but its value is String"},
      {"Const K = Len(\"x\")\n", "t.zs:1:11: error: a constant's value must be known when compiling"},
      {"Window W Inherits Dialog\n  Event Resize()\n  End Event\nEnd Window\n",
       "t.zs:2:3: error: 'Dialog' has no event 'Resize'"},
      {"Window W Inherits Dialog\n  Event MouseDown(X As Integer) As Boolean\n  End Event\nEnd Window\n",
       "t.zs:2:3: error: the handler of 'MouseDown' takes (X As Integer, Y As Integer)"},
      {"Window W Inherits Shape\nEnd Window\nClass Shape\nEnd Class\n",
       "t.zs:1:19: error: a window inherits from Window or one of its subclasses, not 'Shape'"},
      {"Window W\n  Control B As FolderItem\n  End Control\nEnd Window\n",
       "t.zs:2:16: error: 'FolderItem' is not a control class"},
      {"Window W\n  Control B As PushButton\n    Event Paint()\n    End Event\n  End Control\nEnd Window\n",
       "t.zs:3:5: error: 'PushButton' has no event 'Paint'"},
      {"Class A\n  Function Constructor() As Integer\n  End Function\nEnd Class\n",
       "t.zs:2:3: error: the Constructor is a Sub"},
  };
  for (const Case& c : cases) EXPECT_EQ(check(c.source).first_error(), c.first_error) << c.source;
}

// 50,000 classes, each inheriting from the one before: checking and laying
// them out takes one walk up the chain, not one per class, and no recursion.
std::string inheritance_chain(int classes, const std::string& first_base) {
  std::string source = "Interface I\nEnd Interface\n";
  for (int i = 0; i < classes; ++i) {
    const std::string base = i ? "C" + std::to_string(i - 1) : first_base;
    source += "Class C" + std::to_string(i) + (base.empty() ? "" : " Inherits " + base) + (i ? "" : " Implements I") +
              "\n  Property P" + std::to_string(i) + " As Integer\nEnd Class\n";
  }
  return source;
}

TEST(Checker, LongInheritanceChainsAreLaidOutAndTheirCyclesFoundInLinearTime) {
  constexpr int k_classes = 50000;
  test::Compiled compiled = check(inheritance_chain(k_classes, ""));
  ASSERT_EQ(compiled.errors, "");
  const zc::ProgramLayout layout(*compiled.semantics, test::fake_runtime());
  const zc::ClassInfo* last = compiled.semantics->classes.back();
  EXPECT_EQ(layout.instance_size(last), 16 + 4 * k_classes);
  EXPECT_EQ(layout.listed_interfaces(last).size(), 1U);

  compiled = check(inheritance_chain(k_classes, "C" + std::to_string(k_classes - 1)));
  EXPECT_EQ(compiled.error_count, 1);
  EXPECT_EQ(compiled.first_error(), "t.zs:6:19: error: 'C1' inherits from itself through 'C0', 'C49999', 'C49998', "
                                    "'C49997', 'C49996', 'C49995', 'C49994', 'C49993' and 49991 more");
}

TEST(Checker, EventHandlersTakeTheEventsResult) {
  test::Compiled compiled = check(
      "Window W\n"
      "  Event MouseDown(X As Integer, Y As Integer)\n"
      "    Return X > Y\n"
      "  End Event\n"
      "  Event Paint(g As Graphics)\n"
      "    g.DrawLine 0, 0, g.TextWidth(\"a\"), 1\n"
      "  End Event\n"
      "  Control B As PushButton\n"
      "    Event Action()\n"
      "      Close\n"
      "    End Event\n"
      "  End Control\n"
      "End Window\n");
  EXPECT_EQ(compiled.errors, "");
}

TEST(Checker, ReportsErrorsInDefinitionsMenusAndSettings) {
  struct Case {
    const char* source;
    const char* first_error;
  } cases[] = {
      {"Window W\n  Colour = 3\nEnd Window\n", "t.zs:2:3: error: 'Colour' is not a property that a definition of 'W' can set"},
      {"Window W\n  Width = \"wide\"\nEnd Window\n", "t.zs:2:11: error: 'Width' takes Integer, not String"},
      {"Window W\n  Visible = 1\nEnd Window\n", "t.zs:2:13: error: 'Visible' takes Boolean, not Integer"},
      {"Window W\n  Backdrop = \"x\"\nEnd Window\n",
       "t.zs:2:14: error: 'Backdrop' takes a project object's number, not String"},
      {"Window W\n  ControlCount = 2\nEnd Window\n", "t.zs:2:3: error: 'ControlCount' is read-only; a definition cannot set it"},
      {"Window W\n  Control B As PushButton\n    Title = \"x\"\n  End Control\nEnd Window\n",
       "t.zs:3:5: error: 'Title' is not a property that a definition of 'PushButton' can set"},
      {"MenuBar\n  Menu \"File\"\n    Item A \"a\" As Shape\n  End Menu\nEnd MenuBar\nClass Shape\nEnd Class\n",
       "t.zs:3:19: error: 'Shape' is not a menu item class"},
      {"MenuBar\n  Menu \"File\"\n    Item A \"a\"\n    Item A \"b\"\n  End Menu\nEnd MenuBar\n",
       "t.zs:4:5: error: the menu item 'A' is already declared at line 3"},
      {"MenuBar\n  Menu \"\"\n  End Menu\nEnd MenuBar\n", "t.zs:2:3: error: a menu needs a title"},
      {"MenuBar\nEnd MenuBar\nMenuBar\nEnd MenuBar\n", "t.zs:3:1: error: a program has one MenuBar; the first is at line 1"},
      {"Settings\n  Colour 3\nEnd Settings\n",
       "t.zs:2:3: error: unknown setting 'Colour' (FileType, Message, MDI, FrameTitle or CharacterSet)"},
      {"Settings\n  FileType \"a\", \"b\"\nEnd Settings\n", "t.zs:2:3: error: 'FileType' takes String, String, String, String"},
      {"Settings\n  Message \"4\", \"x\"\nEnd Settings\n",
       "t.zs:2:11: error: value 1 of 'Message' must be a Integer known when compiling"},
      {"Settings\n  MDI False\n  MDI True\nEnd Settings\n", "t.zs:3:3: error: 'MDI' is set twice"},
      {"Settings\n  Message 4, \"a\"\n  Message 4, \"b\"\nEnd Settings\n", "t.zs:3:3: error: message 4 is set twice"},
      {"Settings\n  Message 256, \"a\"\nEnd Settings\n", "t.zs:2:3: error: a message number is 0 to 255"},
      {"DefaultWindow Shape\nClass Shape\nEnd Class\n", "t.zs:1:1: error: 'Shape' is not a window of the program"},
      {"Plugin \"\"\n", "t.zs:1:1: error: the plug-in's file name is empty"},
  };
  for (const Case& c : cases) EXPECT_EQ(check(c.source).first_error(), c.first_error) << c.source;
}

// The menu bar that the menu handler cases answer.
std::string with_menu_bar(const std::string& source) {
  return "MenuBar\n"
         "  Menu \"File\"\n"
         "    Item FileQuit \"Quit\" As QuitMenuItem\n"
         "    Menu \"Recent\"\n"
         "      Item Recent \"One\"\n"
         "    End Menu\n"
         "  End Menu\n"
         "  Menu \"Window\"\n"
         "    Item Paint \"Paint\"\n"
         "  End Menu\n"
         "End MenuBar\n" +
         source;
}

TEST(Checker, MenuHandlersAnswerItemsOfTheMenuBarInWindowsAndTheApplication) {
  test::Compiled compiled = check(with_menu_bar(
      "Window Main\n"
      "  MenuHandler filequit() As Boolean\n"
      "    Return True\n"
      "  End MenuHandler\n"
      "  MenuHandler Recent(index As Integer) As Boolean\n"
      "    If index > 2 Then Exit Function\n"
      "    Return index = 1\n"
      "  End MenuHandler\n"
      "End Window\n"
      "Class Base Inherits Application\n"
      "End Class\n"
      "Class App Inherits Base\n"
      "  MenuHandler FileQuit() As Boolean\n"
      "  End MenuHandler\n"
      "End Class\n"));
  EXPECT_EQ(compiled.errors, "");
  struct Case {
    const char* source;
    const char* first_error;
  } cases[] = {
      {"Window W\n  MenuHandler FileSave() As Boolean\n  End MenuHandler\nEnd Window\n",
       "t.zs:13:3: error: 'FileSave' is not an item of the program's MenuBar"},
      {"Class C\n  MenuHandler FileQuit() As Boolean\n  End MenuHandler\nEnd Class\n",
       "t.zs:13:3: error: 'FileQuit' handles a menu item, but only windows and Application subclasses receive "
       "menu items"},
      {"Window W\n  MenuHandler Paint() As Boolean\n  End MenuHandler\nEnd Window\n",
       "t.zs:13:3: error: 'Paint' is an event of 'W'; a menu handler cannot take an event's name"},
      {"Window W\n  MenuHandler FileQuit()\n  End MenuHandler\nEnd Window\n",
       "t.zs:13:3: error: a menu handler gives Boolean (True when it handled the item): add 'As Boolean'"},
      {"Window W\n  MenuHandler FileQuit() As Integer\n  End MenuHandler\nEnd Window\n",
       "t.zs:13:29: error: a menu handler gives Boolean, not Integer"},
      {"Window W\n  MenuHandler Recent(name As String) As Boolean\n  End MenuHandler\nEnd Window\n",
       "t.zs:13:3: error: a menu handler takes nothing, or the item's index: (index As Integer)"},
      {"Window W\n  MenuHandler Recent(ByRef index As Integer) As Boolean\n  End MenuHandler\nEnd Window\n",
       "t.zs:13:3: error: a menu handler takes nothing, or the item's index: (index As Integer)"},
      {"Window W\n  MenuHandler Recent(a As Integer, b As Integer) As Boolean\n  End MenuHandler\nEnd Window\n",
       "t.zs:13:3: error: a menu handler takes nothing, or the item's index: (index As Integer)"},
      {"Window W\n  MenuHandler FileQuit() As Boolean\n  End MenuHandler\n"
       "  MenuHandler FILEQUIT() As Boolean\n  End MenuHandler\nEnd Window\n",
       "t.zs:15:3: error: the menu handler 'FILEQUIT' is already declared at line 13"},
      {"Window W\n  MenuHandler FileQuit() As Boolean\n    Return 1\n  End MenuHandler\nEnd Window\n",
       "t.zs:14:12: error: the returned value must be Boolean, not Integer"},
      {"Window W\n  MenuHandler FileQuit() As Boolean\n    Exit Sub\n  End MenuHandler\nEnd Window\n",
       "t.zs:14:5: error: 'Exit Sub' in a Function; use Return"},
      {"Window W\n  Sub S()\n    FileQuit()\n  End Sub\n  MenuHandler FileQuit() As Boolean\n  End MenuHandler\n"
       "End Window\n",
       "t.zs:14:5: error: unknown name 'FileQuit'"},
  };
  for (const Case& c : cases) EXPECT_EQ(check(with_menu_bar(c.source)).first_error(), c.first_error) << c.source;
  EXPECT_EQ(check("Window W\n  MenuHandler FileQuit() As Boolean\n  End MenuHandler\nEnd Window\n").first_error(),
            "t.zs:2:3: error: 'FileQuit' is not an item of the program's MenuBar");
}

TEST(Checker, SettingsValuesAreFoldedWhenCompiling) {
  test::Compiled compiled = check(
      "Const Name = \"Quellix\"\n"
      "Settings\n"
      "  FileType \"GaussianFile (*.out)\", \"EDIT\", \"TEXT\", \"out\"\n"
      "  Message 4, \"An exception of class %1.\" + Chr(13) + \"Bye.\"\n"
      "  MDI False\n"
      "  FrameTitle Name + \" Win 1.0\"\n"
      "End Settings\n");
  EXPECT_EQ(compiled.errors, "");
}

TEST(Checker, UnknownRuntimeNamesAreErrorsNotCrashes) {
  // With an empty interface no runtime class or built-in exists.
  test::Compiled compiled = test::check_text(
      "Window W Inherits Dialog\n  Sub F()\n    MsgBox \"x\"\n  End Sub\nEnd Window\n", zc::RuntimeInterface{});
  EXPECT_EQ(compiled.first_error(), "t.zs:1:19: error: unknown base class 'Dialog'");
  EXPECT_EQ(compiled.error_count, 2);
}
