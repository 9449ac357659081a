// The parser's expressions, by precedence from loosest to tightest:
//   Or; And; Not; comparisons and IsA; + and -; Mod; \; * and /; unary -; ^;
//   member access, calls and indexing; literals, names, Self, New, (...).
// All binary operators group to the left. What nests is counted against the
// expression nesting limit: each bracket, call, member access, unary
// operator, IsA and right-hand operand; the left-hand operands of one chain
// lengthen it without nesting.
#include <charconv>
#include <limits>

#include "compiler/parser_internal.h"
#include "compiler/text_format.h"

namespace zc {

namespace {

bool is_word(TokenKind kind) { return kind == TokenKind::Identifier || is_keyword(kind); }

int radix_of(char letter) {
  switch (letter) {
    case 'h': case 'H': return 16;
    case 'b': case 'B': return 2;
    case 'o': case 'O': return 8;
    default: return 10;
  }
}

}  // namespace

ExprPtr Parser::parse_left_associative(OperandParser operand, std::initializer_list<BinaryOperator> operators) {
  ExprPtr left = (this->*operand)();
  for (;;) {
    const BinaryOperator* match = nullptr;
    for (const BinaryOperator& candidate : operators)
      if (at(candidate.token)) match = &candidate;
    if (match == nullptr || !left) return left;
    SourcePos pos = position();
    ExpressionNesting nesting(*this);
    if (!nesting.deepen()) return nullptr;
    advance();
    ExprPtr right = (this->*operand)();
    if (!right) return nullptr;
    left = std::make_unique<BinaryExpr>(pos, match->op, std::move(left), std::move(right));
  }
}

ExprPtr Parser::parse_expression() { return parse_or(); }

// or -> and {'Or' and}
ExprPtr Parser::parse_or() { return parse_left_associative(&Parser::parse_and, {{TokenKind::Or, BinaryOp::Or}}); }

// and -> not {'And' not}
ExprPtr Parser::parse_and() {
  return parse_left_associative(&Parser::parse_not, {{TokenKind::And, BinaryOp::And}});
}

// not -> 'Not' not | comparison
ExprPtr Parser::parse_not() {
  if (!at(TokenKind::Not)) return parse_comparison();
  SourcePos pos = position();
  ExpressionNesting nesting(*this);
  if (!nesting.deepen()) return nullptr;
  advance();
  ExprPtr operand = parse_not();
  if (!operand) return nullptr;
  return std::make_unique<UnaryExpr>(pos, UnaryOp::Not, std::move(operand));
}

// comparison -> additive {('=' | '<>' | '<' | '<=' | '>' | '>=') additive | 'IsA' type_name}
ExprPtr Parser::parse_comparison() {
  ExprPtr left = parse_left_associative(
      &Parser::parse_additive,
      {{TokenKind::Equal, BinaryOp::Equal}, {TokenKind::NotEqual, BinaryOp::NotEqual},
       {TokenKind::Less, BinaryOp::Less}, {TokenKind::LessEqual, BinaryOp::LessEqual},
       {TokenKind::Greater, BinaryOp::Greater}, {TokenKind::GreaterEqual, BinaryOp::GreaterEqual}});
  ExpressionNesting nesting(*this);
  while (left && at(TokenKind::IsA)) {
    SourcePos pos = position();
    if (!nesting.deepen()) return nullptr;
    advance();
    left = std::make_unique<IsAExpr>(pos, std::move(left), parse_type_name());
  }
  return left;
}

// additive -> modulo {('+' | '-') modulo}
ExprPtr Parser::parse_additive() {
  return parse_left_associative(&Parser::parse_modulo,
                                {{TokenKind::Plus, BinaryOp::Add}, {TokenKind::Minus, BinaryOp::Subtract}});
}

// modulo -> integer_division {'Mod' integer_division}
ExprPtr Parser::parse_modulo() {
  return parse_left_associative(&Parser::parse_integer_division, {{TokenKind::Mod, BinaryOp::Modulo}});
}

// integer_division -> multiplicative {'\' multiplicative}
ExprPtr Parser::parse_integer_division() {
  return parse_left_associative(&Parser::parse_multiplicative, {{TokenKind::Backslash, BinaryOp::IntegerDivide}});
}

// multiplicative -> unary {('*' | '/') unary}
ExprPtr Parser::parse_multiplicative() {
  return parse_left_associative(&Parser::parse_unary,
                                {{TokenKind::Star, BinaryOp::Multiply}, {TokenKind::Slash, BinaryOp::Divide}});
}

// unary -> '-' unary | power
ExprPtr Parser::parse_unary() {
  if (!at(TokenKind::Minus)) return parse_power();
  SourcePos pos = position();
  ExpressionNesting nesting(*this);
  if (!nesting.deepen()) return nullptr;
  advance();
  ExprPtr operand = parse_unary();
  if (!operand) return nullptr;
  return std::make_unique<UnaryExpr>(pos, UnaryOp::Negate, std::move(operand));
}

// power -> postfix {'^' ['-'] postfix}
// "-2 ^ 2" is -(2 ^ 2), and an exponent may be negative: "10 ^ -3".
ExprPtr Parser::parse_power() {
  ExprPtr left = parse_postfix();
  while (left && at(TokenKind::Caret)) {
    SourcePos pos = position();
    ExpressionNesting nesting(*this);
    if (!nesting.deepen()) return nullptr;
    advance();
    SourcePos exponent_pos = position();
    bool negative = accept(TokenKind::Minus);
    ExprPtr right = parse_postfix();
    if (!right) return nullptr;
    if (negative) right = std::make_unique<UnaryExpr>(exponent_pos, UnaryOp::Negate, std::move(right));
    left = std::make_unique<BinaryExpr>(pos, BinaryOp::Power, std::move(left), std::move(right));
  }
  return left;
}

// postfix -> primary {'.' word | '(' [arguments] ')'}
// After a dot any word is a member name, keywords included ("list.Item").
ExprPtr Parser::parse_postfix() {
  ExprPtr expression = parse_primary();
  ExpressionNesting nesting(*this);
  while (expression && (at(TokenKind::Dot) || at(TokenKind::LeftParen))) {
    if (!nesting.deepen()) return nullptr;
    if (accept(TokenKind::Dot)) {
      if (!is_word(peek().kind)) {
        error_expected("a member name after '.'");
        return nullptr;
      }
      SourcePos name_pos = position();  // errors about a member point at its name
      expression = std::make_unique<MemberExpr>(name_pos, std::move(expression), advance().text);
    } else {
      advance();
      std::vector<ExprPtr> arguments = parse_arguments(TokenKind::RightParen);
      expression = std::make_unique<CallExpr>(expression->pos, std::move(expression), std::move(arguments), true);
    }
  }
  return expression;
}

// arguments -> expression {',' expression}, after the '(' and up to the closer
std::vector<ExprPtr> Parser::parse_arguments(TokenKind closer) {
  std::vector<ExprPtr> arguments;
  if (accept(closer)) return arguments;
  do arguments.push_back(parse_expression());
  while (accept(TokenKind::Comma));
  expect(closer, "after the arguments");
  return arguments;
}

// primary -> integer | real | string | 'True' | 'False' | 'Nil' | 'Self' | 'Me'
//          | name | new | '(' expression ')'
ExprPtr Parser::parse_primary() {
  SourcePos pos = position();
  switch (peek().kind) {
    case TokenKind::Integer: return parse_integer_literal();
    case TokenKind::Real: return parse_real_literal();
    case TokenKind::String: return std::make_unique<StringLiteral>(pos, unquote(advance().text));
    case TokenKind::True: advance(); return std::make_unique<BooleanLiteral>(pos, true);
    case TokenKind::False: advance(); return std::make_unique<BooleanLiteral>(pos, false);
    case TokenKind::Nil: advance(); return std::make_unique<NilLiteral>(pos);
    case TokenKind::Self: case TokenKind::Me: advance(); return std::make_unique<SelfExpr>(pos);
    case TokenKind::New: return parse_new();
    case TokenKind::LeftParen: {
      ExpressionNesting nesting(*this);
      if (!nesting.deepen()) return nullptr;
      advance();
      ExprPtr inner = parse_expression();
      if (!expect(TokenKind::RightParen, "to close '('")) return nullptr;
      return inner;
    }
    default: break;
  }
  if (at_name()) return std::make_unique<NameExpr>(pos, advance().text);
  error_expected("an expression");
  return nullptr;
}

// new -> 'New' type_name ['(' [arguments] ')']
ExprPtr Parser::parse_new() {
  SourcePos pos = position();
  advance();
  TypeName class_name = parse_type_name();
  std::vector<ExprPtr> arguments;
  ExpressionNesting nesting(*this);
  if (at(TokenKind::LeftParen) && nesting.deepen() && accept(TokenKind::LeftParen)) arguments = parse_arguments(TokenKind::RightParen);
  return std::make_unique<NewExpr>(pos, class_name, std::move(arguments));
}

// Integer literals keep up to 64 bits here; the checker decides what fits.
ExprPtr Parser::parse_integer_literal() {
  const Token& token = advance();
  std::string_view digits = token.text;
  int radix = 10;
  if (digits.starts_with('&')) {
    radix = radix_of(digits[1]);
    digits.remove_prefix(2);
  }
  std::uint64_t value = 0;
  auto [end, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), value, radix);
  if (failure != std::errc() || end != digits.data() + digits.size() ||
      value > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
    error(token, text::format("the number {} is too large", token.text));
    return nullptr;
  }
  return std::make_unique<IntegerLiteral>(SourcePos{token.line, token.column}, static_cast<std::int64_t>(value),
                                          radix == 10);
}

ExprPtr Parser::parse_real_literal() {
  const Token& token = advance();
  double value = 0;
  auto [end, failure] = std::from_chars(token.text.data(), token.text.data() + token.text.size(), value);
  if (failure != std::errc() || end != token.text.data() + token.text.size()) {
    error(token, text::format("the number {} is out of range", token.text));
    return nullptr;
  }
  return std::make_unique<RealLiteral>(SourcePos{token.line, token.column}, value);
}

}  // namespace zc
