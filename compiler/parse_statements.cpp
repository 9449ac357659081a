// The parser's statements: blocks, Dim, assignments and calls, the block
// statements with their closers, Return, Exit, Raise and pragmas. Each block
// statement registers itself as open so that a missing closer is reported at
// its opener and the enclosing block still parses.
#include "compiler/names.h"
#include "compiler/parser_internal.h"
#include "compiler/text_format.h"

namespace zc {

namespace {

// What a closer met outside its construct is written without, for messages.
std::string_view opener_of_stray(const Parser& parser) {
  switch (parser.peek().kind) {
    case TokenKind::Next: return "'Next' without 'For'";
    case TokenKind::Wend: return "'Wend' without 'While'";
    case TokenKind::Loop: return "'Loop' without 'Do'";
    case TokenKind::Else: return "'Else' without 'If'";
    case TokenKind::ElseIf: return "'ElseIf' without 'If'";
    case TokenKind::Case: return "'Case' outside 'Select Case'";
    case TokenKind::Exception: return "an Exception handler belongs at the end of a method";
    default: return {};
  }
}

}  // namespace

// block -> {statement} up to a token that closes an open construct
Block Parser::parse_block() {
  Block block;
  while (!stopped()) {
    skip_blank_lines();
    if (closes_open_block()) break;
    if (StmtPtr statement = parse_statement()) block.push_back(std::move(statement));
  }
  return block;
}

StmtPtr Parser::parse_statement() {
  switch (peek().kind) {
    case TokenKind::If: return parse_if();
    case TokenKind::For: return parse_for();
    case TokenKind::While: return parse_while();
    case TokenKind::Do: return parse_do();
    case TokenKind::Select: return parse_select();
    case TokenKind::Hash: parse_pragma(); return nullptr;
    default: break;
  }
  if (std::string_view stray = opener_of_stray(*this); !stray.empty()) {
    error(peek(), std::string(stray));
    skip_line();
    return nullptr;
  }
  if (at(TokenKind::End)) {
    error(peek(), is_keyword(peek(1).kind)
                      ? text::format("'End {}' without '{}'", peek(1).text, peek(1).text)
                      : std::string("'End' needs the name of the block it closes, as in 'End If'"));
    skip_line();
    return nullptr;
  }
  StmtPtr statement = parse_simple_statement();
  end_line();
  return statement;
}

// simple_statement -> dim | 'Return' [expression] | exit | 'Raise' expression
//                   | 'ReDim' name '(' expression ')'
//                   | assignment | call
// These fit on one line, so they can follow Then and Else of a one-line If.
StmtPtr Parser::parse_simple_statement() {
  switch (peek().kind) {
    case TokenKind::Dim: return parse_dim();
    case TokenKind::Return: return parse_return();
    case TokenKind::Exit: return parse_exit();
    case TokenKind::Raise: return parse_raise();
    case TokenKind::ReDim: return parse_redim();
    case TokenKind::Self: case TokenKind::Me: return parse_assignment_or_call();
    default: break;
  }
  if (at_name()) return parse_assignment_or_call();
  error_expected("a statement");
  skip_line();
  return nullptr;
}

// dim -> 'Dim' variable
StmtPtr Parser::parse_dim() {
  SourcePos pos = position();
  advance();
  return std::make_unique<DimStmt>(pos, parse_variable("a variable name"));
}

// assignment -> postfix '=' expression
// call -> postfix [expression {',' expression}]    (parentheses optional)
StmtPtr Parser::parse_assignment_or_call() {
  SourcePos pos = position();
  ExprPtr target = parse_postfix();
  if (!target) return nullptr;
  if (accept(TokenKind::Equal)) return std::make_unique<AssignStmt>(pos, std::move(target), parse_expression());
  if (target->kind == ExprKind::Call && (at_line_end() || at(TokenKind::Else)))
    return std::make_unique<CallStmt>(pos, std::move(target));
  std::vector<ExprPtr> arguments;
  if (!at_line_end() && !at(TokenKind::Else)) {
    do arguments.push_back(parse_expression());
    while (accept(TokenKind::Comma));
  }
  auto call = std::make_unique<CallExpr>(target->pos, std::move(target), std::move(arguments), false);
  return std::make_unique<CallStmt>(pos, std::move(call));
}

// if -> 'If' expression 'Then' (simple_statement ['Else' simple_statement] NEWLINE
//       | NEWLINE block {'ElseIf' expression 'Then' NEWLINE block} ['Else' NEWLINE block] 'End' 'If')
StmtPtr Parser::parse_if() {
  const Token& opener = advance();
  auto statement = std::make_unique<IfStmt>(SourcePos{opener.line, opener.column});
  IfBranch first{parse_expression(), {}};
  statement->branches.push_back(std::move(first));
  expect(TokenKind::Then, "after the If condition");
  if (!at_line_end()) {
    parse_single_line_if(*statement);
    return statement;
  }
  end_line();
  OpenScope scope(*this, opener);
  statement->branches.back().body = parse_block();
  while (at(TokenKind::ElseIf) && !stopped()) {
    advance();
    IfBranch branch{parse_expression(), {}};
    expect(TokenKind::Then, "after the ElseIf condition");
    end_line();
    branch.body = parse_block();
    statement->branches.push_back(std::move(branch));
  }
  if (accept(TokenKind::Else)) {
    end_line();
    statement->else_body = parse_block();
  }
  expect_end(TokenKind::If, scope.block());
  return statement;
}

void Parser::parse_single_line_if(IfStmt& statement) {
  if (StmtPtr then_part = parse_simple_statement()) statement.branches.back().body.push_back(std::move(then_part));
  if (accept(TokenKind::Else)) {
    if (StmtPtr else_part = parse_simple_statement()) statement.else_body.push_back(std::move(else_part));
  }
  end_line();
}

// for -> 'For' name '=' expression 'To' expression ['Step' expression] NEWLINE block 'Next' [name]
StmtPtr Parser::parse_for() {
  const Token& opener = advance();
  auto statement = std::make_unique<ForStmt>(SourcePos{opener.line, opener.column});
  SourcePos variable_pos = position();
  std::string_view variable = expect_name("the loop variable");
  statement->variable = std::make_unique<NameExpr>(variable_pos, variable);
  expect(TokenKind::Equal, "after the loop variable");
  statement->first = parse_expression();
  expect(TokenKind::To, "after the loop's first value");
  statement->last = parse_expression();
  if (accept(TokenKind::Step)) statement->step = parse_expression();
  end_line();
  OpenScope scope(*this, opener);
  statement->body = parse_block();
  if (expect_closer(TokenKind::Next, scope.block())) {
    if (at_name()) {
      const Token& name = advance();
      if (!equal_ignoring_case(name.text, variable))
        error(name, text::format("'Next {}' does not match 'For {}'", name.text, variable));
    }
    end_line();
  }
  return statement;
}

// while -> 'While' expression NEWLINE block 'Wend'
StmtPtr Parser::parse_while() {
  const Token& opener = advance();
  auto statement = std::make_unique<WhileStmt>(SourcePos{opener.line, opener.column});
  statement->condition = parse_expression();
  end_line();
  OpenScope scope(*this, opener);
  statement->body = parse_block();
  if (expect_closer(TokenKind::Wend, scope.block())) end_line();
  return statement;
}

// do -> 'Do' [('While' | 'Until') expression] NEWLINE block 'Loop' [('While' | 'Until') expression]
StmtPtr Parser::parse_do() {
  const Token& opener = advance();
  auto statement = std::make_unique<DoStmt>(SourcePos{opener.line, opener.column});
  auto parse_test = [&]() {
    if (!at(TokenKind::While) && !at(TokenKind::Until)) return false;
    if (statement->test != LoopTest::None) {
      error(peek(), "a Do loop tests its condition at the top or at the bottom, not both");
      return false;
    }
    statement->test = advance().kind == TokenKind::While ? LoopTest::While : LoopTest::Until;
    statement->condition = parse_expression();
    return true;
  };
  parse_test();
  end_line();
  OpenScope scope(*this, opener);
  statement->body = parse_block();
  if (expect_closer(TokenKind::Loop, scope.block())) {
    if (parse_test()) statement->test_at_end = true;
    end_line();
  }
  return statement;
}

// select -> 'Select' 'Case' expression NEWLINE {'Case' (expression {',' expression} | 'Else')
//           NEWLINE block} 'End' 'Select'
StmtPtr Parser::parse_select() {
  const Token& opener = advance();
  auto statement = std::make_unique<SelectStmt>(SourcePos{opener.line, opener.column});
  expect(TokenKind::Case, "after 'Select'");
  statement->subject = parse_expression();
  end_line();
  OpenScope scope(*this, opener);
  while (!stopped()) {
    skip_blank_lines();
    if (!at(TokenKind::Case)) {
      if (closes_open_block()) break;
      error_expected("'Case'");
      skip_line();
      continue;
    }
    const Token& case_token = advance();
    if (statement->has_else) error(case_token, "'Case' after 'Case Else'");
    if (accept(TokenKind::Else)) {
      statement->has_else = true;
      end_line();
      statement->else_body = parse_block();
      continue;
    }
    CaseClause clause{{case_token.line, case_token.column}, {}, {}};
    do clause.values.push_back(parse_expression());
    while (accept(TokenKind::Comma));
    end_line();
    clause.body = parse_block();
    statement->cases.push_back(std::move(clause));
  }
  expect_end(TokenKind::Select, scope.block());
  return statement;
}

StmtPtr Parser::parse_return() {
  SourcePos pos = position();
  advance();
  ExprPtr value = at_line_end() || at(TokenKind::Else) ? nullptr : parse_expression();
  return std::make_unique<ReturnStmt>(pos, std::move(value));
}

// exit -> 'Exit' ('For' | 'While' | 'Do' | 'Sub' | 'Function')
StmtPtr Parser::parse_exit() {
  SourcePos pos = position();
  advance();
  ExitTarget target;
  switch (peek().kind) {
    case TokenKind::For: target = ExitTarget::For; break;
    case TokenKind::While: target = ExitTarget::While; break;
    case TokenKind::Do: target = ExitTarget::Do; break;
    case TokenKind::Sub: target = ExitTarget::Sub; break;
    case TokenKind::Function: target = ExitTarget::Function; break;
    default:
      error_expected("For, While, Do, Sub or Function after 'Exit'");
      return nullptr;
  }
  advance();
  return std::make_unique<ExitStmt>(pos, target);
}

StmtPtr Parser::parse_raise() {
  SourcePos pos = position();
  advance();
  return std::make_unique<RaiseStmt>(pos, parse_expression());
}

StmtPtr Parser::parse_redim() {
  SourcePos pos = position();
  advance();
  return std::make_unique<ReDimStmt>(pos, parse_expression());
}

// pragma -> '#' 'pragma' name NEWLINE
// The one pragma, DisableBackgroundTasks, stops the method's loops from
// calling the runtime's background task at every iteration.
void Parser::parse_pragma() {
  const Token& hash = advance();
  std::string_view word = expect_name("'pragma' after '#'");
  if (!word.empty() && !equal_ignoring_case(word, "pragma")) {
    error(hash, text::format("unknown directive '#{}'", word));
  } else if (!word.empty()) {
    const Token& name = peek();
    std::string_view pragma = expect_name("the pragma's name");
    if (!pragma.empty() && !equal_ignoring_case(pragma, "DisableBackgroundTasks"))
      error(name, text::format("unknown pragma '{}'", pragma));
    else if (!pragma.empty() && m_method == nullptr)
      error(hash, "a #pragma belongs inside a method");
    else if (!pragma.empty())
      m_method->background_tasks = false;
  }
  end_line();
}

}  // namespace zc
