// The recursive-descent parser's state, shared by its three parts: token
// handling and declarations (parser.cpp), statements (parse_statements.cpp)
// and expressions (parse_expressions.cpp).
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "compiler/ast.h"
#include "compiler/diagnostics.h"
#include "compiler/parser.h"
#include "compiler/token.h"

namespace zc {

// A construct whose end has not been seen yet. Blocks stop at any token that
// closes one of the open constructs, so a missing "End If" is reported at the
// If and the enclosing "End Sub" still closes the method.
struct OpenBlock {
  TokenKind opener;
  int line;
};

class Parser {
 public:
  Parser(const SourceFile& file, const std::vector<Token>& tokens, Diagnostics& diagnostics)
      : m_file(file), m_tokens(tokens), m_diagnostics(diagnostics) {}

  Unit parse_unit();
  MethodDecl parse_signature();

  // Token access.
  const Token& peek(std::size_t ahead = 0) const;
  bool at(TokenKind kind) const { return peek().kind == kind; }
  bool at_end_of(TokenKind block) const;
  bool at_line_end() const { return at(TokenKind::Newline) || at(TokenKind::EndOfFile); }
  const Token& advance();
  bool accept(TokenKind kind);
  bool expect(TokenKind kind, std::string_view context);
  bool expect_closer(TokenKind closer, const OpenBlock& opened);
  void expect_end(TokenKind block, const OpenBlock& opened);
  SourcePos position() const { return {peek().line, peek().column}; }

  // Errors and recovery.
  void error(const Token& at, const std::string& message);
  void error_expected(std::string_view what);
  void skip_line();
  void end_line();
  void skip_blank_lines();
  bool closes_open_block() const;
  bool stopped() const { return m_diagnostics.at_limit(); }
  bool give_up_nesting(const Token& at, std::string_view what, int limit);

  // Names and types.
  bool at_name() const;
  std::string_view expect_name(std::string_view what);
  TypeName parse_type_name();
  TypeName parse_as_type();

  // Declarations (parser.cpp).
  void parse_top_level(Unit& unit);
  ClassDecl parse_class(ClassKind kind);
  void parse_class_header(ClassDecl& decl);
  bool parse_member(ClassDecl& decl);
  void parse_window_line(ClassDecl& decl);
  ControlDecl parse_control();
  DefinitionProperty parse_definition_property();
  VariableDecl parse_variable(std::string_view what);
  ConstDecl parse_const();
  MethodDecl parse_method(bool with_body);
  std::vector<Parameter> parse_parameters();
  Parameter parse_parameter();
  void parse_method_body(MethodDecl& method, const OpenBlock& opened);
  MenuBarDecl parse_menu_bar();
  MenuEntry parse_menu();
  void parse_menu_entry(MenuEntry& menu);
  MenuEntry parse_menu_item();
  SettingsDecl parse_settings();
  std::string parse_string_literal(std::string_view what);

  // Statements (parse_statements.cpp).
  Block parse_block();
  StmtPtr parse_statement();
  StmtPtr parse_simple_statement();
  StmtPtr parse_dim();
  StmtPtr parse_assignment_or_call();
  StmtPtr parse_if();
  void parse_single_line_if(IfStmt& statement);
  StmtPtr parse_for();
  StmtPtr parse_while();
  StmtPtr parse_do();
  StmtPtr parse_select();
  StmtPtr parse_return();
  StmtPtr parse_exit();
  StmtPtr parse_raise();
  StmtPtr parse_redim();
  void parse_pragma();

  // Expressions (parse_expressions.cpp).
  using OperandParser = ExprPtr (Parser::*)();
  struct BinaryOperator {
    TokenKind token;
    BinaryOp op;
  };
  ExprPtr parse_left_associative(OperandParser operand, std::initializer_list<BinaryOperator> operators);
  ExprPtr parse_expression();
  ExprPtr parse_or();
  ExprPtr parse_and();
  ExprPtr parse_not();
  ExprPtr parse_comparison();
  ExprPtr parse_additive();
  ExprPtr parse_modulo();
  ExprPtr parse_integer_division();
  ExprPtr parse_multiplicative();
  ExprPtr parse_unary();
  ExprPtr parse_power();
  ExprPtr parse_postfix();
  ExprPtr parse_primary();
  ExprPtr parse_new();
  ExprPtr parse_integer_literal();
  ExprPtr parse_real_literal();
  std::vector<ExprPtr> parse_arguments(TokenKind closer);

  const SourceFile& m_file;
  const std::vector<Token>& m_tokens;
  Diagnostics& m_diagnostics;
  std::size_t m_pos = 0;
  int m_error_line = 0;  // the line that already has an error; later ones there are cascades
  std::vector<OpenBlock> m_open;
  int m_expression_depth = 0;
  MethodDecl* m_method = nullptr;  // the method whose body is being parsed
};

// The text of a string token without its quotes, with "" made one quote.
std::string unquote(std::string_view token_text);

// RAII registration of an open construct. Past the block nesting limit the
// parser gives up, so the construct's body is found empty at the end of file.
class OpenScope {
 public:
  OpenScope(Parser& parser, const Token& opener) : m_parser(parser), m_block{opener.kind, opener.line} {
    m_parser.m_open.push_back(m_block);
    if (m_parser.m_open.size() > k_max_block_depth) m_parser.give_up_nesting(opener, "blocks", k_max_block_depth);
  }
  ~OpenScope() { m_parser.m_open.pop_back(); }
  OpenScope(const OpenScope&) = delete;
  OpenScope& operator=(const OpenScope&) = delete;
  const OpenBlock& block() const { return m_block; }

 private:
  Parser& m_parser;
  OpenBlock m_block;
};

// RAII count of the levels one expression nests through while it is read;
// past the limit the parser gives up.
class ExpressionNesting {
 public:
  explicit ExpressionNesting(Parser& parser) : m_parser(parser) {}
  ~ExpressionNesting() { m_parser.m_expression_depth -= m_levels; }
  ExpressionNesting(const ExpressionNesting&) = delete;
  ExpressionNesting& operator=(const ExpressionNesting&) = delete;
  // One level deeper, before reading the part that nests; false past the limit.
  bool deepen() {
    ++m_levels;
    if (++m_parser.m_expression_depth <= k_max_expression_depth) return true;
    return m_parser.give_up_nesting(m_parser.peek(), "expression", k_max_expression_depth);
  }

 private:
  Parser& m_parser;
  int m_levels = 0;
};

}  // namespace zc
