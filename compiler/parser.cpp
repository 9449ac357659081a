// The parser's token handling, error recovery and declarations: classes,
// interfaces, windows with their definitions and controls, the menu bar, the
// settings, plug-ins, constants and globals. Statements and expressions live
// in parse_statements.cpp and parse_expressions.cpp.
#include "compiler/parser.h"

#include "compiler/parser_internal.h"
#include "compiler/text_format.h"

namespace zc {

namespace {

// Keywords that name things in some places ("Key As String", "Inherits
// Window") and open declarations only where a declaration can start.
bool is_soft_keyword(TokenKind kind) {
  switch (kind) {
    case TokenKind::Control: case TokenKind::DefaultWindow: case TokenKind::Item:
    case TokenKind::Key: case TokenKind::Menu: case TokenKind::MenuBar: case TokenKind::MenuHandler:
    case TokenKind::Plugin: case TokenKind::Separator: case TokenKind::Settings:
    case TokenKind::Window:
      return true;
    default:
      return false;
  }
}

std::string describe(const Token& token) {
  switch (token.kind) {
    case TokenKind::Newline: case TokenKind::EndOfFile: return std::string(token_name(token.kind));
    default: return "'" + std::string(token.text) + "'";
  }
}

bool is_method_opener(TokenKind kind) {
  return kind == TokenKind::Sub || kind == TokenKind::Function || kind == TokenKind::Event ||
         kind == TokenKind::MenuHandler;
}

bool is_type_opener(TokenKind kind) {
  return kind == TokenKind::Class || kind == TokenKind::Interface || kind == TokenKind::Window;
}

}  // namespace

std::string unquote(std::string_view token_text) {
  std::string text;
  for (std::size_t i = 1; i + 1 < token_text.size(); ++i) {
    text += token_text[i];
    if (token_text[i] == '"') ++i;  // the second quote of ""
  }
  return text;
}

Unit parse(const SourceFile& file, const std::vector<Token>& tokens, Diagnostics& diagnostics) {
  return Parser(file, tokens, diagnostics).parse_unit();
}

MethodDecl parse_signature(const SourceFile& file, const std::vector<Token>& tokens, Diagnostics& diagnostics) {
  return Parser(file, tokens, diagnostics).parse_signature();
}

// signature -> name [parameters] [as_type] NEWLINE
MethodDecl Parser::parse_signature() {
  MethodDecl method;
  method.pos = position();
  method.has_body = false;
  method.name = expect_name("a method name");
  if (at(TokenKind::LeftParen)) method.parameters = parse_parameters();
  if (at(TokenKind::As)) {
    method.kind = MethodKind::Function;
    method.result = parse_as_type();
  }
  end_line();
  if (!at(TokenKind::EndOfFile)) error_expected("end of the signature");
  return method;
}

// ------------------------------------------------------------------- tokens

const Token& Parser::peek(std::size_t ahead) const {
  std::size_t at = std::min(m_pos + ahead, m_tokens.size() - 1);
  return m_tokens[at];
}

const Token& Parser::advance() {
  const Token& token = peek();
  if (m_pos + 1 < m_tokens.size()) ++m_pos;
  return token;
}

bool Parser::accept(TokenKind kind) {
  if (!at(kind)) return false;
  advance();
  return true;
}

bool Parser::at_end_of(TokenKind block) const {
  return at(TokenKind::End) && peek(1).kind == block;
}

bool Parser::expect(TokenKind kind, std::string_view context) {
  if (accept(kind)) return true;
  error(peek(), text::format("expected '{}' {}, found {}", token_name(kind), context, describe(peek())));
  return false;
}

bool Parser::expect_closer(TokenKind closer, const OpenBlock& opened) {
  if (accept(closer)) return true;
  error(peek(), text::format("'{}' expected (to close '{}' at line {})", token_name(closer),
                             token_name(opened.opener), opened.line));
  return false;
}

void Parser::expect_end(TokenKind block, const OpenBlock& opened) {
  if (!at_end_of(block)) {
    error(peek(), text::format("'End {}' expected (to close '{}' at line {})", token_name(block),
                               token_name(opened.opener), opened.line));
    return;
  }
  advance();
  advance();
  end_line();
}

// ------------------------------------------------------- errors and recovery

// One error per line: whatever follows the first fault on a line is most
// likely its consequence.
void Parser::error(const Token& at, const std::string& message) {
  if (at.line == m_error_line) return;
  m_error_line = at.line;
  m_diagnostics.error(m_file, at.line, at.column, message);
}

// A nesting limit reached: the one report names the limit, and the parse
// goes to the end of the file, where every open construct ends without
// further reports (they would all be consequences).
bool Parser::give_up_nesting(const Token& at, std::string_view what, int limit) {
  m_diagnostics.error(m_file, at.line, at.column,
                      text::format("{} nested more than {} deep (the limit); the rest of the file is not read", what,
                                   limit));
  m_pos = m_tokens.size() - 1;
  m_error_line = m_tokens.back().line;
  return false;
}

void Parser::error_expected(std::string_view what) {
  error(peek(), text::format("expected {}, found {}", what, describe(peek())));
}

void Parser::skip_line() {
  while (!at(TokenKind::EndOfFile) && !at(TokenKind::Newline)) advance();
  accept(TokenKind::Newline);
}

void Parser::end_line() {
  if (accept(TokenKind::Newline) || at(TokenKind::EndOfFile)) return;
  error_expected("end of line");
  skip_line();
}

void Parser::skip_blank_lines() {
  while (accept(TokenKind::Newline)) {}
}

// Whether the current token ends one of the open constructs. Besides each
// construct's own closers, the start of a new method ends an open method and
// the start of a new class ends an open class: that is where a forgotten
// "End" shows, and the new declaration then parses normally.
bool Parser::closes_open_block() const {
  if (at(TokenKind::EndOfFile)) return true;
  const TokenKind kind = peek().kind;
  const bool names_next = peek(1).kind == TokenKind::Identifier;
  for (const OpenBlock& block : m_open) {
    switch (block.opener) {
      case TokenKind::If:
        if (kind == TokenKind::Else || kind == TokenKind::ElseIf) return true;
        break;
      case TokenKind::For: if (kind == TokenKind::Next) return true; break;
      case TokenKind::While: if (kind == TokenKind::Wend) return true; break;
      case TokenKind::Do: if (kind == TokenKind::Loop) return true; break;
      case TokenKind::Select: if (kind == TokenKind::Case) return true; break;
      case TokenKind::Sub: case TokenKind::Function: case TokenKind::Event: case TokenKind::MenuHandler:
        if (kind == TokenKind::Exception) return true;
        if ((is_method_opener(kind) || kind == TokenKind::Property) && names_next) return true;
        break;
      default:
        if (is_type_opener(kind) && names_next) return true;
        break;
    }
    if (at_end_of(block.opener)) return true;
  }
  return false;
}

// ----------------------------------------------------------- names and types

bool Parser::at_name() const {
  return at(TokenKind::Identifier) || is_soft_keyword(peek().kind);
}

std::string_view Parser::expect_name(std::string_view what) {
  if (at_name()) return advance().text;
  error_expected(what);
  return {};
}

// type_name -> name
TypeName Parser::parse_type_name() {
  TypeName type{{}, position(), false};
  type.name = expect_name("a type name");
  return type;
}

// as_type -> 'As' type_name
TypeName Parser::parse_as_type() {
  if (!expect(TokenKind::As, "and a type")) return TypeName{{}, position(), false};
  return parse_type_name();
}

std::string Parser::parse_string_literal(std::string_view what) {
  if (at(TokenKind::String)) return unquote(advance().text);
  error_expected(what);
  return {};
}

// ----------------------------------------------------------------- top level

Unit Parser::parse_unit() {
  Unit unit;
  unit.file = &m_file;
  while (!stopped()) {
    skip_blank_lines();
    if (at(TokenKind::EndOfFile)) break;
    parse_top_level(unit);
  }
  return unit;
}

// top_level -> class | interface | window | menu_bar | settings
//            | 'Plugin' string | 'DefaultWindow' name | const | 'Dim' variable
void Parser::parse_top_level(Unit& unit) {
  switch (peek().kind) {
    case TokenKind::Class: unit.classes.push_back(parse_class(ClassKind::Class)); return;
    case TokenKind::Interface: unit.classes.push_back(parse_class(ClassKind::Interface)); return;
    case TokenKind::Window: unit.classes.push_back(parse_class(ClassKind::Window)); return;
    case TokenKind::MenuBar: unit.menu_bars.push_back(parse_menu_bar()); return;
    case TokenKind::Settings: unit.settings.push_back(parse_settings()); return;
    case TokenKind::Const: unit.constants.push_back(parse_const()); return;
    case TokenKind::Plugin: {
      SourcePos pos = position();
      advance();
      unit.plugins.push_back(PluginDecl{pos, parse_string_literal("the plug-in's file name as a string")});
      end_line();
      return;
    }
    case TokenKind::DefaultWindow: {
      SourcePos pos = position();
      advance();
      unit.default_windows.push_back(DefaultWindowDecl{pos, expect_name("a window name"), nullptr});
      end_line();
      return;
    }
    case TokenKind::Dim:
      advance();
      unit.globals.push_back(parse_variable("a global's name"));
      end_line();
      return;
    default:
      error_expected("a declaration (Class, Interface, Window, MenuBar, Settings, Plugin, DefaultWindow, "
                     "Const or Dim)");
      skip_line();
  }
}

// class -> ('Class' | 'Interface' | 'Window') name class_header NEWLINE {member} 'End' kind
ClassDecl Parser::parse_class(ClassKind kind) {
  const Token& opener = advance();
  OpenScope scope(*this, opener);
  ClassDecl decl;
  decl.kind = kind;
  decl.pos = {opener.line, opener.column};
  decl.name = expect_name("a class name");
  parse_class_header(decl);
  end_line();
  while (!stopped()) {
    skip_blank_lines();
    if (closes_open_block()) break;
    if (kind == ClassKind::Window && (at(TokenKind::Control) || (at_name() && peek(1).kind == TokenKind::Equal)))
      parse_window_line(decl);
    else if (!parse_member(decl))
      skip_line();
  }
  expect_end(opener.kind, scope.block());
  return decl;
}

// class_header -> ['Inherits' type_name] ['Implements' type_name {',' type_name}]
void Parser::parse_class_header(ClassDecl& decl) {
  if (accept(TokenKind::Inherits)) decl.base = parse_type_name();
  if (accept(TokenKind::Implements)) {
    do decl.interfaces.push_back(parse_type_name());
    while (accept(TokenKind::Comma));
  }
}

// member -> 'Property' variable | const | method | event_handler | menu_handler
// An interface holds only method signatures.
bool Parser::parse_member(ClassDecl& decl) {
  const TokenKind kind = peek().kind;
  if (decl.kind == ClassKind::Interface) {
    if (kind == TokenKind::Sub || kind == TokenKind::Function) {
      decl.methods.push_back(parse_method(false));
      return true;
    }
    error_expected("a Sub or Function signature in the interface");
    return false;
  }
  switch (kind) {
    case TokenKind::Property:
      advance();
      decl.properties.push_back(parse_variable("a property name"));
      end_line();
      return true;
    case TokenKind::Const: decl.constants.push_back(parse_const()); return true;
    case TokenKind::Sub: case TokenKind::Function: case TokenKind::Event: case TokenKind::MenuHandler:
      decl.methods.push_back(parse_method(true));
      return true;
    default:
      error_expected(decl.kind == ClassKind::Window
                         ? "a definition property, Control, Property, Const, Sub, Function, Event or MenuHandler"
                         : "Property, Const, Sub, Function, Event or MenuHandler");
      return false;
  }
}

// window_line -> control | definition_property
void Parser::parse_window_line(ClassDecl& decl) {
  if (at(TokenKind::Control)) decl.controls.push_back(parse_control());
  else decl.definition.push_back(parse_definition_property());
}

// definition_property -> name '=' expression NEWLINE
DefinitionProperty Parser::parse_definition_property() {
  DefinitionProperty property;
  property.pos = position();
  property.name = advance().text;
  advance();  // '='
  property.value = parse_expression();
  end_line();
  return property;
}

// control -> 'Control' name as_type NEWLINE {definition_property | event_handler} 'End' 'Control'
ControlDecl Parser::parse_control() {
  const Token& opener = advance();
  OpenScope scope(*this, opener);
  ControlDecl control;
  control.pos = {opener.line, opener.column};
  control.name = expect_name("a control name");
  control.class_name = parse_as_type();
  end_line();
  while (!stopped()) {
    skip_blank_lines();
    if (closes_open_block()) break;
    if (at(TokenKind::Event)) {
      control.handlers.push_back(parse_method(true));
    } else if (at_name() && peek(1).kind == TokenKind::Equal) {
      control.properties.push_back(parse_definition_property());
    } else {
      error_expected("a definition property (Name = value) or an Event handler");
      skip_line();
    }
  }
  expect_end(TokenKind::Control, scope.block());
  return control;
}

// variable -> name ['(' expression ')'] as_type ['=' expression]
VariableDecl Parser::parse_variable(std::string_view what) {
  VariableDecl variable;
  variable.pos = position();
  variable.name = expect_name(what);
  if (accept(TokenKind::LeftParen)) {
    variable.bound = parse_expression();
    expect(TokenKind::RightParen, "after the array's upper bound");
  }
  variable.type = parse_as_type();
  if (accept(TokenKind::Equal)) variable.initial_value = parse_expression();
  return variable;
}

// const -> 'Const' name [as_type] '=' expression NEWLINE
ConstDecl Parser::parse_const() {
  ConstDecl constant;
  constant.pos = position();
  advance();
  constant.name = expect_name("a constant's name");
  if (at(TokenKind::As)) constant.type = parse_as_type();
  if (expect(TokenKind::Equal, "and the constant's value")) constant.value = parse_expression();
  end_line();
  return constant;
}

// method -> ('Sub' | 'Function' | 'Event' | 'MenuHandler') name [parameters] [as_type] NEWLINE
//           [body {handler} 'End' kind]
MethodDecl Parser::parse_method(bool with_body) {
  const Token& opener = advance();
  MethodDecl method;
  method.kind = opener.kind == TokenKind::Sub        ? MethodKind::Sub
                : opener.kind == TokenKind::Function ? MethodKind::Function
                : opener.kind == TokenKind::Event    ? MethodKind::EventHandler
                                                     : MethodKind::MenuHandler;
  method.pos = {opener.line, opener.column};
  method.has_body = with_body;
  method.name = expect_name(method.kind == MethodKind::EventHandler ? "an event name"
                            : method.kind == MethodKind::MenuHandler ? "a menu item's name"
                                                                     : "a method name");
  if (at(TokenKind::LeftParen)) method.parameters = parse_parameters();
  if (at(TokenKind::As)) {
    if (method.kind == MethodKind::Sub) error(peek(), "a Sub has no result; declare a Function instead");
    method.result = parse_as_type();
  } else if (method.kind == MethodKind::Function) {
    error_expected("'As' and the Function's result type");
  }
  end_line();
  if (with_body) {
    OpenScope scope(*this, opener);
    parse_method_body(method, scope.block());
  }
  return method;
}

// parameters -> '(' [parameter {',' parameter}] ')'
std::vector<Parameter> Parser::parse_parameters() {
  std::vector<Parameter> parameters;
  advance();
  if (accept(TokenKind::RightParen)) return parameters;
  do parameters.push_back(parse_parameter());
  while (accept(TokenKind::Comma));
  expect(TokenKind::RightParen, "after the parameters");
  return parameters;
}

// parameter -> ['ByRef' | 'ByVal'] name ['(' ')'] as_type
Parameter Parser::parse_parameter() {
  Parameter parameter;
  if (accept(TokenKind::ByRef)) parameter.by_ref = true;
  else accept(TokenKind::ByVal);
  parameter.pos = position();
  parameter.name = expect_name("a parameter name");
  bool is_array = false;
  if (accept(TokenKind::LeftParen)) {
    expect(TokenKind::RightParen, "after '(' of an array parameter");
    is_array = true;
  }
  parameter.type = parse_as_type();
  parameter.type.is_array = is_array;
  return parameter;
}

// body -> block {'Exception' [name [as_type]] NEWLINE block}
void Parser::parse_method_body(MethodDecl& method, const OpenBlock& opened) {
  MethodDecl* enclosing = m_method;
  m_method = &method;
  method.body = parse_block();
  while (at(TokenKind::Exception) && !stopped()) {
    ExceptionHandler handler;
    handler.pos = position();
    advance();
    if (at_name()) handler.variable = advance().text;
    if (at(TokenKind::As)) handler.type = parse_as_type();
    end_line();
    handler.body = parse_block();
    method.handlers.push_back(std::move(handler));
  }
  m_method = enclosing;
  expect_end(opened.opener, opened);
}

// ------------------------------------------------------- menu bar and settings

// menu_bar -> 'MenuBar' NEWLINE {menu} 'End' 'MenuBar'
MenuBarDecl Parser::parse_menu_bar() {
  const Token& opener = advance();
  OpenScope scope(*this, opener);
  MenuBarDecl bar{{opener.line, opener.column}, {}};
  end_line();
  while (!stopped()) {
    skip_blank_lines();
    if (closes_open_block()) break;
    if (at(TokenKind::Menu)) {
      bar.menus.push_back(parse_menu());
    } else {
      error_expected("'Menu'");
      skip_line();
    }
  }
  expect_end(TokenKind::MenuBar, scope.block());
  return bar;
}

// menu -> 'Menu' string NEWLINE {item | 'Separator' NEWLINE | menu} 'End' 'Menu'
MenuEntry Parser::parse_menu() {
  const Token& opener = advance();
  OpenScope scope(*this, opener);
  MenuEntry menu;
  menu.kind = MenuEntryKind::Submenu;
  menu.pos = {opener.line, opener.column};
  menu.text = parse_string_literal("the menu's title as a string");
  end_line();
  while (!stopped()) {
    skip_blank_lines();
    if (closes_open_block()) break;
    parse_menu_entry(menu);
  }
  expect_end(TokenKind::Menu, scope.block());
  return menu;
}

void Parser::parse_menu_entry(MenuEntry& menu) {
  switch (peek().kind) {
    case TokenKind::Item: menu.entries.push_back(parse_menu_item()); return;
    case TokenKind::Menu: menu.entries.push_back(parse_menu()); return;
    case TokenKind::Separator: {
      MenuEntry separator;
      separator.kind = MenuEntryKind::Separator;
      separator.pos = position();
      advance();
      end_line();
      menu.entries.push_back(std::move(separator));
      return;
    }
    default:
      error_expected("Item, Separator or Menu");
      skip_line();
  }
}

// item -> 'Item' name string ['Key' string] ['As' type_name] NEWLINE
MenuEntry Parser::parse_menu_item() {
  MenuEntry item;
  item.pos = position();
  advance();
  item.name = expect_name("the item's name");
  item.text = parse_string_literal("the item's text as a string");
  if (accept(TokenKind::Key)) item.key = parse_string_literal("the command key as a string");
  if (accept(TokenKind::As)) item.class_name = parse_type_name();
  end_line();
  return item;
}

// settings -> 'Settings' NEWLINE {name [expression {',' expression}] NEWLINE} 'End' 'Settings'
SettingsDecl Parser::parse_settings() {
  const Token& opener = advance();
  OpenScope scope(*this, opener);
  SettingsDecl settings{{opener.line, opener.column}, {}};
  end_line();
  while (!stopped()) {
    skip_blank_lines();
    if (closes_open_block()) break;
    SettingDecl setting;
    setting.pos = position();
    setting.name = expect_name("a setting's name");
    if (!setting.name.empty() && !at_line_end()) {
      do setting.arguments.push_back(parse_expression());
      while (accept(TokenKind::Comma));
    }
    end_line();
    settings.settings.push_back(std::move(setting));
  }
  expect_end(TokenKind::Settings, scope.block());
  return settings;
}

}  // namespace zc
