// Checks of expressions: each gets its type, each name its symbol, each
// call-shaped expression what it really is (a method or routine call, an
// array element, a cast). Names resolve innermost first: the method's locals,
// the class's members with the inherited ones, then the program's globals,
// constants and classes, then the built-in functions.
#include "compiler/checker_internal.h"
#include "compiler/names.h"
#include "compiler/text_format.h"

namespace zc {

namespace {

std::string arguments_text(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " argument" : " arguments");
}

bool is_bitwise_or_logical(const Type* type) {
  return type->kind == TypeKind::Boolean || type->kind == TypeKind::Integer;
}

}  // namespace

const Symbol* Checker::lookup(std::string_view name) const {
  const std::string key = name_key(name);
  for (auto scope = m_scopes.rbegin(); scope != m_scopes.rend(); ++scope)
    if (auto found = scope->find(key); found != scope->end()) return found->second;
  if (m_class)
    if (const Symbol* member = m_class->find_member(name)) return member;
  if (auto found = m_globals.find(key); found != m_globals.end()) return found->second;
  return nullptr;
}

const Type* Checker::check_value(ExprPtr& expression, const Type* expected, std::string_view what) {
  const Type* type = check_expression(expression.get());
  if (!converts_implicitly(type, expected))
    error(expression->pos, text::format("{} must be {}, not {}", what, expected->name(), type->name()));
  return type;
}

const Type* Checker::check_expression(Expr* expression) {
  if (expression == nullptr) return m_types.error();
  const Type* type = m_types.error();
  switch (expression->kind) {
    case ExprKind::Integer:
      if (fold(expression)) type = m_types.integer();
      else error(expression->pos, "the number does not fit an Integer (32 bits)");
      break;
    case ExprKind::Real: type = m_types.double_type(); break;
    case ExprKind::String: type = m_types.string(); break;
    case ExprKind::Boolean: type = m_types.boolean(); break;
    case ExprKind::Nil: type = m_types.nil(); break;
    case ExprKind::Self: type = m_class ? m_types.class_type(m_class) : m_types.error(); break;
    case ExprKind::Name: type = check_name(static_cast<NameExpr&>(*expression)); break;
    case ExprKind::Member: type = check_member(static_cast<MemberExpr&>(*expression)); break;
    case ExprKind::Call: type = check_call(static_cast<CallExpr&>(*expression)); break;
    case ExprKind::Unary: type = check_unary(static_cast<UnaryExpr&>(*expression)); break;
    case ExprKind::Binary: type = check_binary_chain(static_cast<BinaryExpr&>(*expression)); break;
    case ExprKind::IsA: {
      auto& test = static_cast<IsAExpr&>(*expression);
      const Type* object = check_expression(test.object.get());
      const ClassInfo* tested = resolve_class(test.class_name, "class");
      if (tested) test.tested_type = m_types.class_type(tested);
      if (!object->is_object() && object->kind != TypeKind::Error)
        error(test.object->pos, text::format("IsA tests an object, not {}", object->name()));
      type = m_types.boolean();
      break;
    }
    case ExprKind::New: type = check_new(static_cast<NewExpr&>(*expression)); break;
  }
  expression->type = type;
  return type;
}

// A value of a symbol: a variable, a constant, a control, or a window's
// implicit instance.
static const Type* value_of_symbol(Checker& checker, const Symbol& symbol, SourcePos pos) {
  switch (symbol.kind) {
    case SymbolKind::Method: case SymbolKind::Routine:
      checker.error(pos, text::format("'{}' is a method; call it with parentheses: {}()", symbol.name, symbol.name));
      return checker.m_types.error();
    case SymbolKind::Property:
      if (!symbol.takes_arguments()) return symbol.type;
      checker.error(pos, text::format("'{}' takes {}: {}(...)", symbol.name,
                                      arguments_text(symbol.signature.parameters.size()), symbol.name));
      return checker.m_types.error();
    case SymbolKind::Class:
      if (symbol.class_info->is_window) return symbol.type;
      checker.error(pos, text::format("'{}' is a class, not a value", symbol.name));
      return checker.m_types.error();
    default: return symbol.type;
  }
}

const Type* Checker::check_name(NameExpr& name) {
  const Symbol* symbol = lookup(name.name);
  if (!symbol) {
    error(name.pos, m_builtins.count(name_key(name.name))
                        ? text::format("'{}' is a function; call it with parentheses: {}()", name.name, name.name)
                        : text::format("unknown name '{}'", name.name));
    return m_types.error();
  }
  name.symbol = symbol;
  return value_of_symbol(*this, *symbol, name.pos);
}

// "ClassName.Constant" reaches a class's constant without an instance.
const Type* Checker::check_member(MemberExpr& member) {
  if (member.object->kind == ExprKind::Name) {
    const Symbol* named = lookup(static_cast<NameExpr&>(*member.object).name);
    if (named && named->kind == SymbolKind::Class && !named->class_info->is_window) {
      static_cast<NameExpr&>(*member.object).symbol = named;
      member.object->type = named->type;
      const Symbol* constant = named->class_info->find_member(member.name);
      if (!constant || constant->kind != SymbolKind::Constant) {
        error(member.pos, text::format("'{}' has no constant '{}'", named->name, member.name));
        return m_types.error();
      }
      member.symbol = constant;
      return constant->type;
    }
  }
  return member_of(member, check_expression(member.object.get()));
}

const Type* Checker::member_of(MemberExpr& member, const Type* object) {
  if (object->kind == TypeKind::Error) return object;
  if (object->kind == TypeKind::Object) {
    error(member.pos, text::format("an untyped Object has no members; cast it to reach '{}'", member.name));
    return m_types.error();
  }
  if (object->kind != TypeKind::Class) {
    error(member.pos, text::format("{} has no member '{}'", object->name(), member.name));
    return m_types.error();
  }
  const Symbol* symbol = object->class_info->find_member(member.name);
  if (!symbol) {
    error(member.pos, text::format("'{}' has no member '{}'", object->class_info->name, member.name));
    return m_types.error();
  }
  member.symbol = symbol;
  return value_of_symbol(*this, *symbol, member.pos);
}

// A call of a method of an object: "g.DrawLine(1, 2, 3, 4)". Any other
// member (an array property, say) is checked as a value and then called.
const Type* Checker::check_member_call(CallExpr& call) {
  auto& member = static_cast<MemberExpr&>(*call.callee);
  if (member.object->kind == ExprKind::Name) {
    const Symbol* named = lookup(static_cast<NameExpr&>(*member.object).name);
    if (named && named->kind == SymbolKind::Class && !named->class_info->is_window)
      return check_call_of_value(call, check_expression(&member));  // a class constant, called
  }
  const Type* object = check_expression(member.object.get());
  if (object->kind == TypeKind::Class) {
    const Symbol* symbol = object->class_info->find_member(member.name);
    if (symbol && (symbol->kind == SymbolKind::Method || symbol->kind == SymbolKind::Routine ||
                   symbol->takes_arguments())) {
      member.symbol = symbol;
      return check_call_of(call, symbol);
    }
  }
  return check_call_of_value(call, member_of(member, object));
}

const Type* Checker::check_call(CallExpr& call) {
  Expr& callee = *call.callee;
  if (callee.kind == ExprKind::Member) return check_member_call(call);
  if (callee.kind != ExprKind::Name) return check_call_of_value(call, check_expression(&callee));
  auto& name = static_cast<NameExpr&>(callee);
  // A property or variable that cannot be called does not hide a built-in
  // that can: a window's Left property leaves Left("abc", 2) to the built-in.
  name.symbol = lookup(name.name);
  // A runtime class that shares its name with a built-in is called, not
  // cast to: Screen(0) gives the first screen.
  const bool runtime_class = name.symbol && name.symbol->kind == SymbolKind::Class && name.symbol->class_info &&
                             name.symbol->class_info->is_runtime;
  if ((!name.symbol || !name.symbol->is_callable() || runtime_class) && m_builtins.count(name_key(name.name))) {
    name.symbol = nullptr;
    return check_builtin_call(call, name.name);
  }
  if (!name.symbol) {
    error(callee.pos, text::format("unknown name '{}'", name.name));
    for (ExprPtr& argument : call.arguments) check_expression(argument.get());
    return m_types.error();
  }
  return check_call_of(call, name.symbol);
}

// Calling a value: only an array can be, and it gives an element.
const Type* Checker::check_call_of_value(CallExpr& call, const Type* callee) {
  call.callee->type = callee;
  if (callee->kind == TypeKind::Array) return check_element(call, callee);
  if (callee->kind != TypeKind::Error)
    error(call.callee->pos, text::format("{} is neither a method nor an array", callee->name()));
  for (ExprPtr& argument : call.arguments) check_expression(argument.get());
  return m_types.error();
}

const Type* Checker::check_call_of(CallExpr& call, const Symbol* callee) {
  call.callee->type = callee->type;
  switch (callee->kind) {
    case SymbolKind::Method: case SymbolKind::Routine:
      call.call_kind = callee->kind == SymbolKind::Method ? CallKind::Method : CallKind::Routine;
      call.target = callee;
      return check_arguments(call, *callee, callee->signature);
    case SymbolKind::Class: return check_cast(call, callee->class_info);
    case SymbolKind::Property:
      if (!callee->takes_arguments()) break;
      call.call_kind = CallKind::Property;
      call.target = callee;
      return check_arguments(call, *callee, callee->signature);
    default: break;
  }
  if (callee->type && callee->type->kind == TypeKind::Array) return check_element(call, callee->type);
  error(call.callee->pos, text::format("'{}' is neither a method nor an array", callee->name));
  return m_types.error();
}

// ByRef arguments must be variables of exactly the parameter's type, since
// the method writes through them.
const Type* Checker::check_arguments(CallExpr& call, const Symbol& callee, const Signature& signature) {
  if (call.arguments.size() != signature.parameters.size()) {
    error(call.pos, text::format("'{}' takes {}, not {}", callee.name, arguments_text(signature.parameters.size()),
                                 call.arguments.size()));
    for (ExprPtr& argument : call.arguments) check_expression(argument.get());
    return signature.result;
  }
  for (std::size_t i = 0; i < call.arguments.size(); ++i) {
    const ParameterInfo& parameter = signature.parameters[i];
    std::string what = text::format("argument {} of '{}'", i + 1, callee.name);
    const Type* type = check_value(call.arguments[i], parameter.type, what);
    std::string why;
    if (parameter.by_ref && (!is_assignable(*call.arguments[i], &why) || type != parameter.type) &&
        type->kind != TypeKind::Error)
      error(call.arguments[i]->pos, what + " is passed ByRef: it must be a variable of type " + parameter.type->name());
  }
  return signature.result;
}

const Type* Checker::check_builtin_call(CallExpr& call, std::string_view name) {
  const std::vector<const Symbol*>& forms = m_builtins.at(name_key(name));
  for (const Symbol* form : forms) {
    if (form->signature.parameters.size() != call.arguments.size()) continue;
    static_cast<NameExpr&>(*call.callee).symbol = form;
    return check_call_of(call, form);
  }
  std::string counts;
  for (const Symbol* form : forms)
    counts += (counts.empty() ? "" : " or ") + std::to_string(form->signature.parameters.size());
  error(call.pos, text::format("'{}' takes {} arguments, not {}", name, counts, call.arguments.size()));
  for (ExprPtr& argument : call.arguments) check_expression(argument.get());
  return m_types.error();
}

// "ClassName(obj)": a checked cast, which raises IllegalCastException at run
// time when obj is not of that class.
const Type* Checker::check_cast(CallExpr& call, const ClassInfo* target) {
  call.call_kind = CallKind::Cast;
  call.target = target->symbol;
  if (call.arguments.size() != 1) {
    error(call.pos, text::format("a cast to '{}' takes one object", target->name));
    return m_types.error();
  }
  const Type* type = check_expression(call.arguments[0].get());
  if (!type->is_object() && type->kind != TypeKind::Nil && type->kind != TypeKind::Error)
    error(call.arguments[0]->pos, text::format("a cast to '{}' takes an object, not {}", target->name, type->name()));
  return m_types.class_type(target);
}

const Type* Checker::check_element(CallExpr& call, const Type* array) {
  call.call_kind = CallKind::ArrayElement;
  if (call.arguments.size() != 1) {
    error(call.pos, "an array element takes one index");
    return m_types.error();
  }
  check_value(call.arguments[0], m_types.integer(), "the array index");
  return array->element ? array->element : m_types.error();
}

const Type* Checker::check_unary(UnaryExpr& unary) {
  const Type* operand = check_expression(unary.operand.get());
  if (operand->kind == TypeKind::Error) return operand;
  if (unary.op == UnaryOp::Negate) {
    if (operand->is_numeric()) return operand->kind == TypeKind::Color ? m_types.integer() : operand;
    error(unary.pos, text::format("'-' takes a number, not {}", operand->name()));
    return m_types.error();
  }
  if (is_bitwise_or_logical(operand)) return operand;
  error(unary.pos, text::format("'Not' takes a Boolean or an Integer, not {}", operand->name()));
  return m_types.error();
}

// From the chain's first operand up, each link with the type of all before it.
const Type* Checker::check_binary_chain(BinaryExpr& top) {
  const std::vector<BinaryExpr*> links = binary_chain(top);
  const Type* type = check_expression(links.back()->left.get());
  for (auto link = links.rbegin(); link != links.rend(); ++link) {
    type = check_binary(**link, type);
    (*link)->type = type;
  }
  return type;
}

const Type* Checker::check_binary(BinaryExpr& binary, const Type* left) {
  const Type* right = check_expression(binary.right.get());
  if (left->kind == TypeKind::Error || right->kind == TypeKind::Error) return m_types.error();
  auto mismatch = [&](std::string_view op) {
    error(binary.pos, text::format("'{}' cannot combine {} and {}", op, left->name(), right->name()));
    return m_types.error();
  };
  switch (binary.op) {
    case BinaryOp::Or: case BinaryOp::And: {
      std::string_view op = binary.op == BinaryOp::Or ? "Or" : "And";
      if (left != right || !is_bitwise_or_logical(left)) return mismatch(op);
      binary.operand_type = left;
      return left;
    }
    case BinaryOp::Equal: case BinaryOp::NotEqual: case BinaryOp::Less: case BinaryOp::LessEqual:
    case BinaryOp::Greater: case BinaryOp::GreaterEqual:
      return check_comparison(binary, left, right);
    case BinaryOp::Add:
      if (left->kind == TypeKind::String && right->kind == TypeKind::String) {
        binary.operand_type = left;
        return left;
      }
      [[fallthrough]];
    case BinaryOp::Subtract: case BinaryOp::Multiply: {
      const Type* common = arithmetic_type(m_types, left, right);
      if (!common) return mismatch(binary.op == BinaryOp::Add ? "+" : binary.op == BinaryOp::Subtract ? "-" : "*");
      binary.operand_type = common;
      return common;
    }
    case BinaryOp::Divide: case BinaryOp::Power:
      if (!arithmetic_type(m_types, left, right)) return mismatch(binary.op == BinaryOp::Divide ? "/" : "^");
      binary.operand_type = m_types.double_type();
      return m_types.double_type();
    case BinaryOp::IntegerDivide: case BinaryOp::Modulo:
      if (!arithmetic_type(m_types, left, right)) return mismatch(binary.op == BinaryOp::Modulo ? "Mod" : "\\");
      binary.operand_type = m_types.integer();
      return m_types.integer();
  }
  return m_types.error();
}

// Numbers compare with numbers, strings with strings (through the runtime's
// comparison), Booleans for equality, and references for identity.
const Type* Checker::check_comparison(BinaryExpr& binary, const Type* left, const Type* right) {
  const bool equality = binary.op == BinaryOp::Equal || binary.op == BinaryOp::NotEqual;
  if (const Type* common = arithmetic_type(m_types, left, right)) {
    binary.operand_type = common;
  } else if (left->kind == TypeKind::String && right->kind == TypeKind::String) {
    binary.operand_type = left;
  } else if (equality && left->kind == TypeKind::Boolean && right->kind == TypeKind::Boolean) {
    binary.operand_type = left;
  } else if (equality && left->is_reference() && right->is_reference() &&
             (converts_implicitly(left, right) || converts_implicitly(right, left))) {
    binary.operand_type = left->kind == TypeKind::Nil ? right : left;
  } else {
    error(binary.pos, text::format("cannot compare {} with {}", left->name(), right->name()));
    return m_types.error();
  }
  return m_types.boolean();
}

// New of a program class passes its arguments to the class's Constructor.
const Type* Checker::check_new(NewExpr& creation) {
  const ClassInfo* info = resolve_class(creation.class_name, "class");
  if (!info) {
    for (ExprPtr& argument : creation.arguments) check_expression(argument.get());
    return m_types.error();
  }
  if (info->is_interface) {
    error(creation.class_name.pos, text::format("'{}' is an interface; New needs a class", info->name));
    return m_types.error();
  }
  auto constructor = info->members.find("constructor");
  Signature none{{}, m_types.void_type()};
  const Signature& signature = constructor != info->members.end() ? constructor->second->signature : none;
  if (creation.arguments.size() != signature.parameters.size()) {
    error(creation.pos, text::format("the constructor of '{}' takes {}, not {}", info->name,
                                     arguments_text(signature.parameters.size()), creation.arguments.size()));
  } else {
    for (std::size_t i = 0; i < creation.arguments.size(); ++i)
      check_value(creation.arguments[i], signature.parameters[i].type,
                  text::format("argument {} of the constructor of '{}'", i + 1, info->name));
  }
  return m_types.class_type(info);
}

bool Checker::is_assignable(const Expr& target, std::string* why) const {
  const Symbol* symbol = nullptr;
  if (target.kind == ExprKind::Name) symbol = static_cast<const NameExpr&>(target).symbol;
  else if (target.kind == ExprKind::Member) symbol = static_cast<const MemberExpr&>(target).symbol;
  else if (target.kind == ExprKind::Call) {
    const auto& call = static_cast<const CallExpr&>(target);
    if (call.call_kind == CallKind::ArrayElement) return true;
    if (call.call_kind == CallKind::Property) symbol = call.target;
  }
  if (target.type && target.type->kind == TypeKind::Error) return true;  // already reported
  if (!symbol) {
    *why = "only a variable, a property or an array element can be assigned";
    return false;
  }
  switch (symbol->kind) {
    case SymbolKind::Local: case SymbolKind::Parameter: case SymbolKind::Global: return true;
    case SymbolKind::Property:
      if (!symbol->read_only) return true;
      *why = text::format("'{}' is read-only", symbol->name);
      return false;
    case SymbolKind::Constant: *why = text::format("'{}' is a constant", symbol->name); return false;
    default: *why = text::format("'{}' cannot be assigned", symbol->name); return false;
  }
}

}  // namespace zc
