// Stores into variables, fields, runtime properties and array elements. A
// reference stored into a variable gets its own count: a borrowed value is
// locked, the old value is released after the new one is in place, so that
// storing a variable into itself keeps it alive.
#include "compiler/codegen_internal.h"
#include "compiler/codegen_routines.h"

namespace zc {

namespace {

std::string frame_operand(int offset) { return std::to_string(offset) + "(%ebp)"; }

}  // namespace

void CodeGenerator::generate_assign(const Expr& target, const Expr& value) {
  if (target.type && target.type->kind == TypeKind::Array) {
    error(target.pos, "an array variable cannot be assigned; assign its elements");
    return;
  }
  store_value_to(target, [&] { return generate_as(value, target.type); });
}

void CodeGenerator::store_value_to(const Expr& target, const std::function<Value()>& value) {
  const Symbol* symbol = nullptr;
  const Expr* object = nullptr;
  if (target.kind == ExprKind::Name) {
    symbol = static_cast<const NameExpr&>(target).symbol;
  } else if (target.kind == ExprKind::Member) {
    symbol = static_cast<const MemberExpr&>(target).symbol;
    object = static_cast<const MemberExpr&>(target).object.get();
  } else if (target.kind == ExprKind::Call) {
    const auto& call = static_cast<const CallExpr&>(target);
    if (call.call_kind == CallKind::Property) store_property_with_arguments(call, value);
    else store_element(call, value);
    return;
  }
  if (!symbol) return;
  switch (symbol->kind) {
    case SymbolKind::Local: case SymbolKind::Parameter: store_slot(m_function.slots.at(symbol), value()); return;
    case SymbolKind::Global: {
      const Value stored = value();
      store_at("movl $" + global_label(*symbol) + ", %ecx", symbol->type, stored);
      return;
    }
    case SymbolKind::Property:
      if (symbol->owner && symbol->owner->is_runtime) store_runtime_property(*symbol, object, value);
      else store_field(*symbol, object, value);
      return;
    default: error(target.pos, "'" + symbol->name + "' cannot be assigned"); return;
  }
}

void CodeGenerator::store_slot(const FrameSlot& slot, const Value& value) {
  const std::string address = (slot.by_ref ? "movl " : "leal ") + frame_operand(slot.offset) + ", %ecx";
  store_at(address, slot.type, value);
}

// `address` is the instruction that puts the variable's address into ECX;
// it is repeated after calls, which do not keep ECX.
void CodeGenerator::store_at(const std::string& address, const Type* type, const Value& value) {
  if (value.value_class == ValueClass::Real) {
    m_out.emit(address);
    m_out.emit(std::string(type->kind == TypeKind::Single ? "fstps" : "fstpl") + " (%ecx)");
    return;
  }
  const SlotKind kind = owned_kind(type);
  if (kind == SlotKind::Plain) {
    m_out.emit(address);
    m_out.emit("movl %eax, (%ecx)");
    return;
  }
  m_out.push("%eax", value.owned ? kind : SlotKind::Plain);
  if (!value.owned) {
    call_routine(is_string(type) ? routines::lock_string : routines::lock_object);
    m_out.set_kind(0, kind);
  }
  m_out.emit(address);
  m_out.emit("movl (%ecx), %eax");
  m_out.emit("movl (%esp), %edx");
  m_out.emit("movl %edx, (%ecx)");
  m_out.emit("movl %eax, (%esp)");  // the slot now holds the old value, released by this call
  m_out.set_kind(0, SlotKind::Plain);
  call_routine(is_string(type) ? routines::unlock_string : routines::unlock_object);
  m_out.drop(1);
}

// A program class's field: numbers are written in place; references go
// through the runtime's field setters, which take their own count.
void CodeGenerator::store_field(const Symbol& property, const Expr* object, const std::function<Value()>& value) {
  const Type* type = property.type;
  const int offset = m_layout.field_offset(&property);
  const std::string field = std::to_string(offset) + "(%eax)";
  const Value stored = value();
  if (owned_kind(type) != SlotKind::Plain) {
    push_value(stored, type);
    m_out.push("$" + std::to_string(offset));
    const Value target = generate_object(object);
    m_out.push("%eax", target.owned ? SlotKind::OwnedObject : SlotKind::Plain);
    call_routine(is_string(type) ? routines::string_setter : routines::object_setter);
    finish_call(3, m_semantics.types.void_type());
    return;
  }
  const Type* pushed_type = type->kind == TypeKind::Single ? m_semantics.types.double_type() : type;
  const int words = push_value(stored, pushed_type);
  const Value target = generate_object(object);
  if (stored.value_class == ValueClass::Real) {
    m_out.emit("fldl (%esp)");
    m_out.emit(std::string(type->kind == TypeKind::Single ? "fstps " : "fstpl ") + field);
  } else {
    m_out.emit("movl (%esp), %ecx");
    m_out.emit("movl %ecx, " + field);
  }
  if (target.owned) {
    m_out.push("%eax", SlotKind::OwnedObject);
    finish_call(1, m_semantics.types.void_type());
  }
  m_out.drop(words);
}

void CodeGenerator::store_runtime_property(const Symbol& property, const Expr* object,
                                           const std::function<Value()>& value) {
  if (property.setter.empty()) {
    error(object ? object->pos : SourcePos{}, "'" + property.name + "' is read-only");
    return;
  }
  const int words = push_value(value(), property.type);
  m_out.push("$" + std::to_string(property.parameter_word));
  const Value target = generate_object(object);
  m_out.push("%eax", target.owned ? SlotKind::OwnedObject : SlotKind::Plain);
  call_routine(property.setter);
  finish_call(words + 2, m_semantics.types.void_type());
}

// setter(object, arguments..., value): the value is pushed first, since
// arguments go right to left.
void CodeGenerator::store_property_with_arguments(const CallExpr& call, const std::function<Value()>& value) {
  const Symbol& property = *call.target;
  int words = push_value(value(), property.type);
  words += push_arguments(property.signature, call.arguments);
  const Value target = generate_object(receiver_of(call));
  m_out.push("%eax", target.owned ? SlotKind::OwnedObject : SlotKind::Plain);
  call_routine(property.setter);
  finish_call(words + 1, m_semantics.types.void_type());
}

// The direct write routines take (array, index, value), a Single as a double.
void CodeGenerator::store_element(const CallExpr& element, const std::function<Value()>& value) {
  const Type* type = element.type;
  std::string routine = "RuntimeDirectWrite";
  switch (type->kind) {
    case TypeKind::Double: routine += "Double"; break;
    case TypeKind::Single: routine += "Single"; break;
    case TypeKind::String: routine += "String"; break;
    case TypeKind::Object: case TypeKind::Class: routine += "Object"; break;
    default: routine += "Int"; break;
  }
  const Type* pushed_type = type->kind == TypeKind::Single ? m_semantics.types.double_type() : type;
  int words = push_value(value(), pushed_type);
  words += push_value(generate_as(*element.arguments[0], m_semantics.types.integer()), m_semantics.types.integer());
  generate(*element.callee);
  m_out.push("%eax");
  call_routine(routine + "Array");
  finish_call(words + 1, m_semantics.types.void_type());
}

}  // namespace zc
