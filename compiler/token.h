// The tokens of Zoltic source. Every keyword and operator is declared once in
// k_token_table, which the lexer, the parser's messages and the tests read.
#pragma once

#include <string_view>

namespace zc {

enum class TokenKind {
  EndOfFile, Newline, Identifier, Integer, Real, String,
  // Keywords.
  And, As, ByRef, ByVal, Case, Class, Const, Control, DefaultWindow, Dim, Do, Else, ElseIf,
  End, Event, Exception, Exit, False, For, Function, If, Implements, Inherits,
  Interface, IsA, Item, Key, Loop, Me, Menu, MenuBar, MenuHandler, Mod, New, Next, Nil, Not, Or,
  Plugin, Property, Raise, ReDim, Return, Select, Self, Separator, Settings, Step, Sub, Then,
  To, True, Until, Wend, While, Window,
  // Operators and punctuation.
  LessEqual, GreaterEqual, NotEqual, Equal, Less, Greater, Plus, Minus, Star, Slash,
  Backslash, Caret, LeftParen, RightParen, Comma, Dot, Hash,
};

struct TokenSpelling {
  TokenKind kind;
  std::string_view text;
  bool is_keyword;
};

// Two-character operators come before their one-character prefixes so that the
// lexer's first match is the longest.
inline constexpr TokenSpelling k_token_table[] = {
    {TokenKind::And, "And", true}, {TokenKind::As, "As", true},
    {TokenKind::ByRef, "ByRef", true}, {TokenKind::ByVal, "ByVal", true},
    {TokenKind::Case, "Case", true}, {TokenKind::Class, "Class", true},
    {TokenKind::Const, "Const", true},
    {TokenKind::Control, "Control", true}, {TokenKind::DefaultWindow, "DefaultWindow", true},
    {TokenKind::Dim, "Dim", true}, {TokenKind::Do, "Do", true},
    {TokenKind::Else, "Else", true}, {TokenKind::ElseIf, "ElseIf", true},
    {TokenKind::End, "End", true}, {TokenKind::Event, "Event", true},
    {TokenKind::Exception, "Exception", true}, {TokenKind::Exit, "Exit", true},
    {TokenKind::False, "False", true}, {TokenKind::For, "For", true},
    {TokenKind::Function, "Function", true}, {TokenKind::If, "If", true},
    {TokenKind::Implements, "Implements", true}, {TokenKind::Inherits, "Inherits", true},
    {TokenKind::Interface, "Interface", true}, {TokenKind::IsA, "IsA", true},
    {TokenKind::Item, "Item", true}, {TokenKind::Key, "Key", true},
    {TokenKind::Loop, "Loop", true}, {TokenKind::Me, "Me", true},
    {TokenKind::Menu, "Menu", true}, {TokenKind::MenuBar, "MenuBar", true},
    {TokenKind::MenuHandler, "MenuHandler", true},
    {TokenKind::Mod, "Mod", true}, {TokenKind::New, "New", true},
    {TokenKind::Next, "Next", true}, {TokenKind::Nil, "Nil", true},
    {TokenKind::Not, "Not", true}, {TokenKind::Or, "Or", true},
    {TokenKind::Plugin, "Plugin", true}, {TokenKind::Property, "Property", true},
    {TokenKind::Raise, "Raise", true}, {TokenKind::ReDim, "ReDim", true}, {TokenKind::Return, "Return", true},
    {TokenKind::Select, "Select", true}, {TokenKind::Self, "Self", true},
    {TokenKind::Separator, "Separator", true}, {TokenKind::Settings, "Settings", true},
    {TokenKind::Step, "Step", true}, {TokenKind::Sub, "Sub", true},
    {TokenKind::Then, "Then", true}, {TokenKind::To, "To", true},
    {TokenKind::True, "True", true}, {TokenKind::Until, "Until", true},
    {TokenKind::Wend, "Wend", true}, {TokenKind::While, "While", true},
    {TokenKind::Window, "Window", true},
    {TokenKind::LessEqual, "<=", false}, {TokenKind::GreaterEqual, ">=", false},
    {TokenKind::NotEqual, "<>", false}, {TokenKind::Equal, "=", false},
    {TokenKind::Less, "<", false}, {TokenKind::Greater, ">", false},
    {TokenKind::Plus, "+", false}, {TokenKind::Minus, "-", false},
    {TokenKind::Star, "*", false}, {TokenKind::Slash, "/", false},
    {TokenKind::Backslash, "\\", false}, {TokenKind::Caret, "^", false},
    {TokenKind::LeftParen, "(", false}, {TokenKind::RightParen, ")", false},
    {TokenKind::Comma, ",", false}, {TokenKind::Dot, ".", false},
    {TokenKind::Hash, "#", false},
};

constexpr bool is_keyword(TokenKind kind) {
  for (const TokenSpelling& spelling : k_token_table)
    if (spelling.kind == kind) return spelling.is_keyword;
  return false;
}

struct Token {
  TokenKind kind = TokenKind::EndOfFile;
  std::string_view text;  // a view into the source; strings keep their quotes
  int line = 1;
  int column = 1;
};

// The spelling used in messages and token dumps: the table's text, or a name
// for the kinds that have no fixed spelling.
std::string_view token_name(TokenKind kind);

}  // namespace zc
