// Expressions. A 32-bit result ends in EAX, a Double or Single one on the x87
// stack. Anything kept while another part is evaluated is pushed, so that the
// exception walk can release it through the call-site lists; the x87 stack is
// empty whenever a call is made.
#include <bit>
#include <cstring>

#include "compiler/codegen_internal.h"
#include "compiler/codegen_routines.h"

namespace zc {

namespace {

std::string frame_operand(int offset) { return std::to_string(offset) + "(%ebp)"; }
std::string immediate(std::int64_t value) { return "$" + std::to_string(static_cast<std::int32_t>(value)); }

}  // namespace

ValueClass value_class(const Type* type) {
  if (!type || type->kind == TypeKind::Void) return ValueClass::None;
  if (type->kind == TypeKind::Double || type->kind == TypeKind::Single) return ValueClass::Real;
  return ValueClass::Word;
}

bool is_string(const Type* type) { return type && type->kind == TypeKind::String; }
bool is_object_reference(const Type* type) {
  return type && (type->kind == TypeKind::Object || type->kind == TypeKind::Class);
}
SlotKind owned_kind(const Type* type) {
  if (is_string(type)) return SlotKind::OwnedString;
  return is_object_reference(type) ? SlotKind::OwnedObject : SlotKind::Plain;
}

Value CodeGenerator::generate_as(const Expr& expression, const Type* wanted) {
  return converted(generate(expression), expression.type, wanted);
}

// A value just computed, as the wanted type.
Value CodeGenerator::converted(Value value, const Type* from, const Type* wanted) {
  convert(from, wanted);
  return {value_class(wanted), value.owned && owned_kind(wanted) != SlotKind::Plain};
}

// Numbers change class through the runtime's conversions; Double to Integer
// truncates toward zero.
void CodeGenerator::convert(const Type* from, const Type* to) {
  const ValueClass source = value_class(from);
  const ValueClass target = value_class(to);
  if (!from || !to || source == target || source == ValueClass::None || target == ValueClass::None) return;
  if (source == ValueClass::Word) {
    m_out.push("%eax");
    call_routine(routines::integer_to_double);
    m_out.drop(1);
  } else {
    m_out.push_double();
    call_routine(routines::double_to_integer);
    m_out.drop(2);
  }
}

Value CodeGenerator::generate(const Expr& expression) {
  switch (expression.kind) {
    case ExprKind::Integer:
      m_out.emit("movl " + immediate(static_cast<const IntegerLiteral&>(expression).value) + ", %eax");
      return {ValueClass::Word, false};
    case ExprKind::Real: return generate_real_constant(static_cast<const RealLiteral&>(expression).value);
    case ExprKind::String: return generate_string_literal(static_cast<const StringLiteral&>(expression).value);
    case ExprKind::Boolean:
      m_out.emit(std::string("movl $") + (static_cast<const BooleanLiteral&>(expression).value ? "1" : "0") + ", %eax");
      return {ValueClass::Word, false};
    case ExprKind::Nil: m_out.emit("xorl %eax, %eax"); return {ValueClass::Word, false};
    case ExprKind::Self: return load_self();
    case ExprKind::Name: return generate_name(static_cast<const NameExpr&>(expression));
    case ExprKind::Member: return generate_member(static_cast<const MemberExpr&>(expression));
    case ExprKind::Call: return generate_call(static_cast<const CallExpr&>(expression));
    case ExprKind::Unary: return generate_unary(static_cast<const UnaryExpr&>(expression));
    case ExprKind::Binary: return generate_binary_chain(static_cast<const BinaryExpr&>(expression));
    case ExprKind::IsA: return generate_isa(static_cast<const IsAExpr&>(expression));
    case ExprKind::New: return generate_new(static_cast<const NewExpr&>(expression));
  }
  return {};
}

Value CodeGenerator::generate_string_literal(const std::string& text) {
  // The empty string is the null reference.
  if (text.empty()) m_out.emit("xorl %eax, %eax");
  else m_out.emit("movl $" + m_literals.label_of(text) + ", %eax");
  return {ValueClass::Word, false};
}

Value CodeGenerator::generate_constant(const Symbol& constant) {
  const Type* type = constant.type;
  if (is_string(type)) return generate_string_literal(constant.string_value);
  if (value_class(type) == ValueClass::Real) return generate_real_constant(constant.real_value);
  m_out.emit("movl " + immediate(constant.integer_value) + ", %eax");
  return {ValueClass::Word, false};
}

// A double constant is pushed as two immediate words and loaded from there,
// which needs no data and no relocation.
Value CodeGenerator::generate_real_constant(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  m_out.push(immediate(static_cast<std::int64_t>(bits >> 32)));
  m_out.push(immediate(static_cast<std::int64_t>(bits & 0xFFFFFFFF)));
  m_out.emit("fldl (%esp)");
  m_out.drop(2);
  return {ValueClass::Real, false};
}

Value CodeGenerator::load_slot(const FrameSlot& slot) {
  std::string address = frame_operand(slot.offset);
  if (slot.by_ref) {
    m_out.emit("movl " + address + ", %ecx");
    address = "(%ecx)";
  }
  if (slot.type->kind == TypeKind::Double) m_out.emit("fldl " + address);
  else if (slot.type->kind == TypeKind::Single) m_out.emit("flds " + address);
  else m_out.emit("movl " + address + ", %eax");
  return {value_class(slot.type), false};
}

Value CodeGenerator::load_global(const Symbol& global) {
  const std::string label = global_label(global);
  if (global.type->kind == TypeKind::Double) m_out.emit("fldl " + label);
  else if (global.type->kind == TypeKind::Single) m_out.emit("flds " + label);
  else m_out.emit("movl " + label + ", %eax");
  return {value_class(global.type), false};
}

Value CodeGenerator::load_self() {
  m_out.emit("movl " + frame_operand(m_function.self_offset) + ", %eax");
  return {ValueClass::Word, false};
}

Value CodeGenerator::generate_object(const Expr* object) {
  if (!object || object->kind == ExprKind::Self) return load_self();
  const Value value = generate(*object);
  check_not_nil();
  return value;
}

void CodeGenerator::check_not_nil() {
  const std::string fine = m_out.new_label();
  m_out.emit("testl %eax, %eax");
  m_out.emit("jnz " + fine);
  call_routine(routines::nil_object);
  m_out.label(fine);
}

Value CodeGenerator::generate_name(const NameExpr& name) {
  const Symbol& symbol = *name.symbol;
  switch (symbol.kind) {
    case SymbolKind::Local: case SymbolKind::Parameter: return load_slot(m_function.slots.at(&symbol));
    case SymbolKind::Global: return load_global(symbol);
    case SymbolKind::Constant: return generate_constant(symbol);
    case SymbolKind::Property: return load_field(symbol, nullptr);
    case SymbolKind::Control: return fetch_control(symbol, nullptr);
    case SymbolKind::Class: return implicit_instance(*symbol.class_info);
    default: error(name.pos, "'" + symbol.name + "' has no value here"); return {};
  }
}

Value CodeGenerator::generate_member(const MemberExpr& member) {
  const Symbol& symbol = *member.symbol;
  switch (symbol.kind) {
    case SymbolKind::Property: return load_field(symbol, member.object.get());
    case SymbolKind::Control: return fetch_control(symbol, member.object.get());
    case SymbolKind::Constant: return generate_constant(symbol);
    default: error(member.pos, "'" + symbol.name + "' has no value here"); return {};
  }
}

// A property of a runtime class is read through its getter; a program
// class's field directly. A field read from an object that the code owns
// (a function's result) is locked before that object is released.
Value CodeGenerator::load_field(const Symbol& property, const Expr* object) {
  if (property.owner && property.owner->is_runtime) {
    m_out.push("$" + std::to_string(property.parameter_word));
    const Value target = generate_object(object);
    m_out.push("%eax", target.owned ? SlotKind::OwnedObject : SlotKind::Plain);
    call_routine(property.getter);
    return finish_call(2, property.type);
  }
  const Value target = generate_object(object);
  const int offset = m_layout.field_offset(&property);
  const Type* type = property.type;
  auto load = [&](const std::string& base) {
    const std::string address = std::to_string(offset) + "(" + base + ")";
    if (type->kind == TypeKind::Double) m_out.emit("fldl " + address);
    else if (type->kind == TypeKind::Single) m_out.emit("flds " + address);
    else m_out.emit("movl " + address + ", %eax");
  };
  if (!target.owned) {
    load("%eax");
    return {value_class(type), false};
  }
  m_out.push("%eax", SlotKind::OwnedObject);
  load("%eax");
  if (owned_kind(type) != SlotKind::Plain) lock_value(type);
  return finish_call(1, type);
}

Value CodeGenerator::fetch_control(const Symbol& control, const Expr* window) {
  m_out.push("$" + literal_label(control.name));
  const Value target = generate_object(window);
  m_out.push("%eax", target.owned ? SlotKind::OwnedObject : SlotKind::Plain);
  call_routine(routines::control_fetch);
  // The window keeps the control; no reference is added.
  return finish_call(2, m_semantics.types.object(), false);
}

// A window's implicit instance is created on first use; the runtime stores
// the new window in the global and keeps it there until the window closes.
Value CodeGenerator::implicit_instance(const ClassInfo& window) {
  const std::string global = implicit_instance_label(window);
  const std::string ready = m_out.new_label();
  m_out.emit("movl " + global + ", %eax");
  m_out.emit("testl %eax, %eax");
  m_out.emit("jnz " + ready);
  m_out.push("$" + global);
  m_out.push("$" + window_definition_label(window));
  call_routine(routines::create_window);
  m_out.drop(2);
  m_out.push("%eax");
  call_routine(routines::unlock_object);
  m_out.drop(1);
  m_out.emit("movl " + global + ", %eax");
  m_out.label(ready);
  return {ValueClass::Word, false};
}

Value CodeGenerator::generate_unary(const UnaryExpr& unary) {
  const Expr& operand = *unary.operand;
  if (unary.op == UnaryOp::Negate && operand.kind == ExprKind::Integer) {
    m_out.emit("movl " + immediate(-static_cast<const IntegerLiteral&>(operand).value) + ", %eax");
    return {ValueClass::Word, false};
  }
  const Value value = generate(operand);
  if (unary.op == UnaryOp::Negate) m_out.emit(value.value_class == ValueClass::Real ? "fchs" : "negl %eax");
  else if (operand.type->kind == TypeKind::Boolean) m_out.emit("xorl $1, %eax");
  else m_out.emit("notl %eax");
  return {value.value_class, false};
}

// From the chain's first operand up: each link takes the value of all before
// it as its left operand, just computed.
Value CodeGenerator::generate_binary_chain(const BinaryExpr& top) {
  const std::vector<const BinaryExpr*> links = binary_chain(top);
  Value value = generate(*links.back()->left);
  for (auto link = links.rbegin(); link != links.rend(); ++link) value = generate_binary(**link, value);
  return value;
}

Value CodeGenerator::generate_binary(const BinaryExpr& binary, Value left) {
  switch (binary.op) {
    case BinaryOp::Or: case BinaryOp::And: {
      converted(left, binary.left->type, binary.operand_type);
      m_out.push("%eax");
      generate_as(*binary.right, binary.operand_type);
      m_out.pop("%ecx");
      m_out.emit(std::string(binary.op == BinaryOp::Or ? "orl" : "andl") + " %ecx, %eax");
      return {ValueClass::Word, false};
    }
    case BinaryOp::Equal: case BinaryOp::NotEqual: case BinaryOp::Less: case BinaryOp::LessEqual:
    case BinaryOp::Greater: case BinaryOp::GreaterEqual:
      return generate_comparison(binary, left);
    default:
      if (is_string(binary.operand_type)) return generate_string_concatenation(binary, left);
      return generate_arithmetic(binary, left);
  }
}

Value CodeGenerator::generate_arithmetic(const BinaryExpr& binary, Value left) {
  if (binary.op == BinaryOp::Power) {
    const Type* real = m_semantics.types.double_type();
    push_value(converted(left, binary.left->type, real), real);
    push_value(generate_as(*binary.right, real), real);
    m_out.push("12(%esp)");  // the left operand again, high word first, as the first argument
    m_out.push("12(%esp)");
    call_routine(routines::power);
    m_out.drop(6);
    return {ValueClass::Real, false};
  }
  if (value_class(binary.operand_type) == ValueClass::Real) return generate_real_arithmetic(binary, left);
  return generate_integer_arithmetic(binary, left);
}

// Integer division and Mod by zero give 0 instead of the processor's fault,
// which would end the process; the most negative Integer divided by -1 gives
// itself, as the wrapped negation does.
Value CodeGenerator::generate_integer_arithmetic(const BinaryExpr& binary, Value left) {
  const Type* integer = binary.operand_type;
  converted(left, binary.left->type, integer);
  m_out.push("%eax");
  generate_as(*binary.right, integer);
  m_out.emit("movl %eax, %ecx");
  m_out.pop("%eax");
  switch (binary.op) {
    case BinaryOp::Add: m_out.emit("addl %ecx, %eax"); break;
    case BinaryOp::Subtract: m_out.emit("subl %ecx, %eax"); break;
    case BinaryOp::Multiply: m_out.emit("imull %ecx, %eax"); break;
    default: {
      const bool modulo = binary.op == BinaryOp::Modulo;
      const std::string by_zero = m_out.new_label();
      const std::string divide = m_out.new_label();
      const std::string done = m_out.new_label();
      m_out.emit("testl %ecx, %ecx");
      m_out.emit("jz " + by_zero);
      m_out.emit("cmpl $-1, %ecx");
      m_out.emit("jne " + divide);
      m_out.emit(modulo ? "xorl %eax, %eax" : "negl %eax");
      m_out.emit("jmp " + done);
      m_out.label(divide);
      m_out.emit("cltd");
      m_out.emit("idivl %ecx");
      if (modulo) m_out.emit("movl %edx, %eax");
      m_out.emit("jmp " + done);
      m_out.label(by_zero);
      m_out.emit("xorl %eax, %eax");
      m_out.label(done);
    }
  }
  return {ValueClass::Word, false};
}

Value CodeGenerator::generate_real_arithmetic(const BinaryExpr& binary, Value left) {
  const Type* real = m_semantics.types.double_type();
  push_value(converted(left, binary.left->type, real), real);
  push_value(generate_as(*binary.right, real), real);
  m_out.emit("fldl 8(%esp)");
  switch (binary.op) {
    case BinaryOp::Add: m_out.emit("faddl (%esp)"); break;
    case BinaryOp::Subtract: m_out.emit("fsubl (%esp)"); break;
    case BinaryOp::Multiply: m_out.emit("fmull (%esp)"); break;
    default: m_out.emit("fdivl (%esp)"); break;
  }
  m_out.drop(4);
  return {ValueClass::Real, false};
}

Value CodeGenerator::generate_string_concatenation(const BinaryExpr& binary, Value left) {
  const Type* string = m_semantics.types.string();
  push_value(left, string);
  push_value(generate(*binary.right), string);
  m_out.push("4(%esp)");  // the left operand again, as the first argument
  call_routine(routines::add_string);
  return finish_call(3, string);
}

Value CodeGenerator::generate_comparison(const BinaryExpr& binary, Value left_value) {
  const Type* type = binary.operand_type;
  auto set_result = [&](bool is_unsigned) {
    static constexpr const char* k_signed[] = {"sete", "setne", "setl", "setle", "setg", "setge"};
    static constexpr const char* k_unsigned[] = {"sete", "setne", "setb", "setbe", "seta", "setae"};
    const auto index = static_cast<std::size_t>(binary.op) - static_cast<std::size_t>(BinaryOp::Equal);
    m_out.emit(std::string(is_unsigned ? k_unsigned[index] : k_signed[index]) + " %al");
    m_out.emit("movzbl %al, %eax");
  };
  if (value_class(type) == ValueClass::Real) {
    const Type* real = m_semantics.types.double_type();
    push_value(converted(left_value, binary.left->type, real), real);
    generate_as(*binary.right, real);
    m_out.emit("fldl (%esp)");
    m_out.drop(2);
    m_out.emit("fucomip %st(1), %st");
    m_out.emit("fstp %st(0)");
    set_result(true);
    return {ValueClass::Word, false};
  }
  if (is_string(type)) {
    push_value(left_value, type);
    push_value(generate(*binary.right), type);
    m_out.push("4(%esp)");
    call_routine(routines::compare_strings);
    finish_call(3, m_semantics.types.integer());
    m_out.emit("cmpl $0, %eax");
    set_result(false);
    return {ValueClass::Word, false};
  }
  // Numbers, Booleans and references (by identity).
  const Value left =
      converted(left_value, binary.left->type, type->kind == TypeKind::Nil ? binary.right->type : type);
  push_value(left, binary.left->type);
  const Value right = generate_as(*binary.right, type);
  push_value(right, binary.right->type);
  m_out.emit("movl 4(%esp), %eax");
  m_out.emit("cmpl (%esp), %eax");
  set_result(false);
  return finish_call(2, m_semantics.types.boolean());
}

Value CodeGenerator::generate_isa(const IsAExpr& test) {
  const Value object = generate(*test.object);
  m_out.push("%eax", object.owned ? SlotKind::OwnedObject : SlotKind::Plain);
  m_out.push("$" + std::to_string(m_layout.class_index(test.tested_type->class_info)));
  m_out.push("4(%esp)");
  call_routine(routines::object_isa);
  return finish_call(3, m_semantics.types.boolean());
}

// New of a window class makes a fresh window from its definition; New of any
// other class a new instance, then its Constructor with the arguments when it
// takes any (one without parameters runs from the class's lifecycle routine).
Value CodeGenerator::generate_new(const NewExpr& creation) {
  const ClassInfo* info = creation.type->class_info;
  if (info->is_window) {
    m_out.push("$0");
    m_out.push("$" + window_definition_label(*info));
    call_routine(routines::create_window);
    m_out.drop(2);
    return {ValueClass::Word, true};
  }
  m_out.push("$" + std::to_string(m_layout.class_index(info)));
  call_routine(routines::new_object);
  m_out.drop(1);
  const Symbol* constructor = info->find_member("Constructor");
  if (!constructor || !constructor->method || constructor->signature.parameters.empty())
    return {ValueClass::Word, true};
  m_out.push("%eax", SlotKind::OwnedObject);
  const int words = push_arguments(constructor->signature, creation.arguments);
  m_out.push(std::to_string(4 * words) + "(%esp)");
  m_out.call(method_label(*constructor->owner, *constructor->method));
  finish_call(words + 1, m_semantics.types.void_type());
  m_out.pop("%eax");
  return {ValueClass::Word, true};
}

}  // namespace zc
