// Values known when compiling: constants, settings and definition values.
// Folding covers literals, named constants, unary minus and Not, arithmetic,
// string concatenation and Chr of a constant code; anything else is not a
// constant. Integer results must stay within 32 bits.
#include <cmath>
#include <limits>

#include "compiler/checker_internal.h"
#include "compiler/names.h"

namespace zc {

namespace {

constexpr std::int64_t k_integer_min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t k_integer_max = std::numeric_limits<std::int32_t>::max();

bool fits_integer(std::int64_t value) { return value >= k_integer_min && value <= k_integer_max; }

double real_of(const ConstantValue& value) {
  return value.type->kind == TypeKind::Integer ? static_cast<double>(value.integer) : value.real;
}

}  // namespace

std::optional<ConstantValue> Checker::fold_integer(const IntegerLiteral& literal, bool negated) {
  std::int64_t value = literal.value;
  if (!literal.is_decimal && value <= 0xFFFFFFFF) value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  if (negated) value = -value;
  if (!fits_integer(value)) return std::nullopt;
  return ConstantValue{m_types.integer(), value};
}

std::optional<ConstantValue> Checker::fold_chr(const CallExpr& call) {
  if (call.callee->kind != ExprKind::Name || call.arguments.size() != 1 ||
      !equal_ignoring_case(static_cast<const NameExpr&>(*call.callee).name, "Chr"))
    return std::nullopt;
  std::optional<ConstantValue> code = fold(call.arguments[0].get());
  if (!code || code->type->kind != TypeKind::Integer || code->integer < 0 || code->integer > 255) return std::nullopt;
  return ConstantValue{m_types.string(), 0, 0, std::string(1, static_cast<char>(code->integer))};
}

std::optional<ConstantValue> Checker::fold(const Expr* expression) {
  if (expression == nullptr) return std::nullopt;
  switch (expression->kind) {
    case ExprKind::Integer: return fold_integer(*static_cast<const IntegerLiteral*>(expression), false);
    case ExprKind::Real: return ConstantValue{m_types.double_type(), 0, static_cast<const RealLiteral*>(expression)->value};
    case ExprKind::String: return ConstantValue{m_types.string(), 0, 0, static_cast<const StringLiteral*>(expression)->value};
    case ExprKind::Boolean:
      return ConstantValue{m_types.boolean(), static_cast<const BooleanLiteral*>(expression)->value ? 1 : 0};
    case ExprKind::Name: {
      const Symbol* symbol = lookup(static_cast<const NameExpr*>(expression)->name);
      if (!symbol || symbol->kind != SymbolKind::Constant) return std::nullopt;
      return ConstantValue{symbol->type, symbol->integer_value, symbol->real_value, symbol->string_value};
    }
    case ExprKind::Unary: {
      const auto& unary = *static_cast<const UnaryExpr*>(expression);
      if (unary.op == UnaryOp::Negate && unary.operand->kind == ExprKind::Integer)
        return fold_integer(*static_cast<const IntegerLiteral*>(unary.operand.get()), true);
      std::optional<ConstantValue> operand = fold(unary.operand.get());
      if (!operand) return std::nullopt;
      if (unary.op == UnaryOp::Not && operand->type->kind == TypeKind::Boolean) operand->integer = !operand->integer;
      else if (unary.op == UnaryOp::Negate && operand->type->kind == TypeKind::Double) operand->real = -operand->real;
      else if (unary.op == UnaryOp::Negate && operand->type->kind == TypeKind::Integer && fits_integer(-operand->integer))
        operand->integer = -operand->integer;
      else
        return std::nullopt;
      return operand;
    }
    case ExprKind::Binary: return fold_binary_chain(*static_cast<const BinaryExpr*>(expression));
    case ExprKind::Call: return fold_chr(*static_cast<const CallExpr*>(expression));
    default: return std::nullopt;
  }
}

std::optional<ConstantValue> Checker::fold_binary_chain(const BinaryExpr& top) {
  const std::vector<const BinaryExpr*> links = binary_chain(top);
  std::optional<ConstantValue> value = fold(links.back()->left.get());
  for (auto link = links.rbegin(); link != links.rend() && value; ++link) value = fold_binary(**link, std::move(*value));
  return value;
}

std::optional<ConstantValue> Checker::fold_binary(const BinaryExpr& binary, ConstantValue left) {
  std::optional<ConstantValue> right = fold(binary.right.get());
  if (!right) return std::nullopt;
  if (binary.op == BinaryOp::Add && left.type->kind == TypeKind::String && right->type->kind == TypeKind::String) {
    left.text += right->text;  // in place, so that a long chain is not copied at every link
    return left;
  }
  const bool integers = left.type->kind == TypeKind::Integer && right->type->kind == TypeKind::Integer;
  const bool numbers = (integers || left.type->kind == TypeKind::Double) &&
                       (right->type->kind == TypeKind::Integer || right->type->kind == TypeKind::Double);
  if (!numbers) return std::nullopt;
  if (binary.op == BinaryOp::Divide) {
    if (real_of(*right) == 0) return std::nullopt;
    return ConstantValue{m_types.double_type(), 0, real_of(left) / real_of(*right)};
  }
  std::int64_t integer = 0;
  double real = 0;
  switch (binary.op) {
    case BinaryOp::Add: integer = left.integer + right->integer; real = real_of(left) + real_of(*right); break;
    case BinaryOp::Subtract: integer = left.integer - right->integer; real = real_of(left) - real_of(*right); break;
    case BinaryOp::Multiply: integer = left.integer * right->integer; real = real_of(left) * real_of(*right); break;
    default: return std::nullopt;
  }
  if (!integers) return ConstantValue{m_types.double_type(), 0, real};
  if (!fits_integer(integer)) return std::nullopt;
  return ConstantValue{m_types.integer(), integer};
}

}  // namespace zc
