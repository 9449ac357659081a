// Calls: of the program's methods (directly, or through an interface's
// dispatch table), of runtime methods and routines, array elements and
// casts. Arguments are evaluated and pushed right to left; an owned argument
// stays marked in the stack model so that every call until its release lists
// it, and it is released once the call returned.
#include "compiler/codegen_internal.h"
#include "compiler/codegen_routines.h"

namespace zc {

namespace {

bool is_counted(const Type* type) { return owned_kind(type) != SlotKind::Plain; }

std::string stack_operand(int word) { return std::to_string(4 * word) + "(%esp)"; }

// The 1-based position of a method in its interface, the order the runtime
// numbers interface methods in.
int interface_slot(const ClassInfo& interface, const MethodDecl& method) {
  int position = 0;
  for (const MethodDecl& declared : interface.decl->methods) {
    ++position;
    if (&declared == &method) return position;
  }
  return 0;
}

}  // namespace

const Expr* receiver_of(const CallExpr& call) {
  return call.callee->kind == ExprKind::Member ? static_cast<const MemberExpr&>(*call.callee).object.get() : nullptr;
}

void CodeGenerator::call_routine(std::string_view routine) { m_out.call(routine); }

Value CodeGenerator::generate_call(const CallExpr& call) {
  switch (call.call_kind) {
    case CallKind::ArrayElement: return generate_element(call);
    case CallKind::Cast: return generate_cast(call);
    default: break;
  }
  const Symbol& target = *call.target;
  const Expr* object = receiver_of(call);
  if (target.method) return generate_method_call(call, target);
  if (call.call_kind == CallKind::Property)
    return generate_routine_call(target.getter, target.signature, call.arguments, object, true);
  const bool is_member = target.kind == SymbolKind::Method;
  return generate_routine_call(target.routine, target.signature, call.arguments, object, is_member);
}

Value CodeGenerator::generate_method_call(const CallExpr& call, const Symbol& method) {
  const Expr* object = receiver_of(call);
  const int words = push_arguments(method.signature, call.arguments);
  push_receiver(object);
  const ClassInfo& owner = *method.owner;
  if (owner.is_interface) {
    m_out.push("$" + std::to_string(m_layout.class_index(&owner)));
    m_out.push("$" + std::to_string(interface_slot(owner, *method.method)));
    m_out.push("8(%esp)");
    call_routine(routines::interface_routine);
    m_out.drop(3);
    m_out.call("*%eax");
  } else if (const int slot = m_layout.virtual_slot(method); slot >= 0) {
    m_out.push("$" + std::to_string(slot));
    m_out.push("4(%esp)");
    call_routine(routines::virtual_routine);
    m_out.drop(2);
    m_out.call("*%eax");
  } else {
    m_out.call(method_label(owner, *method.method));
  }
  return finish_call(words + 1, method.signature.result);
}

// The method's Self must outlive the call even when the method drops the
// last other reference to it (a window closed from its own method, a global
// set to Nil), so the receiver is held like an owned argument and released
// after the call. Self needs no hold: the caller's own call holds it.
void CodeGenerator::push_receiver(const Expr* object) {
  const Value target = generate_object(object);
  if (target.owned || !object || object->kind == ExprKind::Self) {
    m_out.push("%eax", target.owned ? SlotKind::OwnedObject : SlotKind::Plain);
    return;
  }
  m_out.push("%eax");
  call_routine(routines::lock_object);
  m_out.set_kind(0, SlotKind::OwnedObject);
}

Value CodeGenerator::generate_routine_call(const std::string& routine, const Signature& signature,
                                           const std::vector<ExprPtr>& arguments, const Expr* object,
                                           bool has_object) {
  int words = push_arguments(signature, arguments);
  if (has_object) {
    const Value target = generate_object(object);
    m_out.push("%eax", target.owned ? SlotKind::OwnedObject : SlotKind::Plain);
    ++words;
  }
  call_routine(routine);
  return finish_call(words, signature.result);
}

int CodeGenerator::push_arguments(const Signature& signature, const std::vector<ExprPtr>& arguments) {
  int words = 0;
  for (std::size_t i = arguments.size(); i-- > 0;) {
    const ParameterInfo& parameter = signature.parameters.at(i);
    if (parameter.by_ref) {
      push_address(*arguments[i]);
      ++words;
      continue;
    }
    words += push_value(generate_as(*arguments[i], parameter.type), parameter.type);
  }
  return words;
}

int CodeGenerator::push_value(const Value& value, const Type* type) {
  if (value.value_class == ValueClass::Real) {
    if (type->kind == TypeKind::Single) {
      m_out.push_single();
      return 1;
    }
    m_out.push_double();
    return 2;
  }
  m_out.push("%eax", value.owned ? owned_kind(type) : SlotKind::Plain);
  return 1;
}

Value CodeGenerator::finish_call(int argument_words, const Type* result, bool result_owned) {
  const ValueClass result_class = value_class(result);
  const bool owned = result_owned && is_counted(result);
  bool any_owned = false;
  for (int word = 0; word < argument_words; ++word) any_owned |= m_out.kind(word) != SlotKind::Plain;
  if (!any_owned) {
    m_out.drop(argument_words);
    return {result_class, owned};
  }
  int saved = 0;
  if (result_class == ValueClass::Real) {
    m_out.push_double();
    saved = 2;
  } else if (result_class == ValueClass::Word) {
    m_out.push("%eax", owned ? owned_kind(result) : SlotKind::Plain);
    saved = 1;
  }
  for (int word = saved; word < saved + argument_words; ++word) {
    const SlotKind kind = m_out.kind(word);
    if (kind == SlotKind::Plain) continue;
    m_out.set_kind(word, SlotKind::Plain);
    m_out.push(stack_operand(word));
    call_routine(kind == SlotKind::OwnedString ? routines::unlock_string : routines::unlock_object);
    m_out.drop(1);
  }
  if (result_class == ValueClass::Real) {
    m_out.emit("fldl (%esp)");
    m_out.drop(2);
  } else if (result_class == ValueClass::Word) {
    m_out.pop("%eax");
  }
  m_out.drop(argument_words);
  return {result_class, owned};
}

void CodeGenerator::release_owned(const Value& value, const Type* type) {
  if (!value.owned || !is_counted(type)) return;
  m_out.push("%eax");
  call_routine(is_string(type) ? routines::unlock_string : routines::unlock_object);
  m_out.drop(1);
}

// Takes a reference to the value in EAX, which stays there.
void CodeGenerator::lock_value(const Type* type) {
  m_out.push("%eax");
  call_routine(is_string(type) ? routines::lock_string : routines::lock_object);
  m_out.pop("%eax");
}

void CodeGenerator::push_address(const Expr& variable) {
  const Symbol* symbol = variable.kind == ExprKind::Name     ? static_cast<const NameExpr&>(variable).symbol
                         : variable.kind == ExprKind::Member ? static_cast<const MemberExpr&>(variable).symbol
                                                             : nullptr;
  if (symbol && (symbol->kind == SymbolKind::Local || symbol->kind == SymbolKind::Parameter)) {
    const FrameSlot& slot = m_function.slots.at(symbol);
    if (slot.by_ref) {
      m_out.push(std::to_string(slot.offset) + "(%ebp)");
    } else {
      m_out.emit("leal " + std::to_string(slot.offset) + "(%ebp), %eax");
      m_out.push("%eax");
    }
    return;
  }
  if (symbol && symbol->kind == SymbolKind::Global) {
    m_out.push("$" + global_label(*symbol));
    return;
  }
  if (symbol && symbol->kind == SymbolKind::Property && symbol->owner && !symbol->owner->is_runtime) {
    generate_object(variable.kind == ExprKind::Member ? static_cast<const MemberExpr&>(variable).object.get() : nullptr);
    m_out.emit("leal " + std::to_string(m_layout.field_offset(symbol)) + "(%eax), %eax");
    m_out.push("%eax");
    return;
  }
  error(variable.pos, "only a variable or a property of a program class can be passed ByRef");
  m_out.push("$0");
}

// Elements are read through the runtime's direct array routines, by the
// element's kind.
namespace {

// The array routine for an element type: prefix + Int, Single, Double,
// String or Object + suffix (Integer, Boolean and Color arrays are Int).
std::string array_routine(std::string_view prefix, const Type* element, std::string_view suffix) {
  std::string routine(prefix);
  switch (element->kind) {
    case TypeKind::Double: routine += "Double"; break;
    case TypeKind::Single: routine += "Single"; break;
    case TypeKind::String: routine += "String"; break;
    case TypeKind::Object: case TypeKind::Class: routine += "Object"; break;
    default: routine += "Int"; break;
  }
  return routine += suffix;
}

}  // namespace

Value CodeGenerator::generate_element(const CallExpr& call) {
  push_value(generate_as(*call.arguments[0], m_semantics.types.integer()), m_semantics.types.integer());
  generate(*call.callee);
  m_out.push("%eax");
  call_routine(array_routine("RuntimeDirectRead", call.type, "Array"));
  return finish_call(2, call.type);
}

// ReDim Name(bound): the array's one dimension (level 0) takes the new upper
// bound; elements beyond it go.
void CodeGenerator::generate_redim(const ReDimStmt& statement) {
  const CallExpr& element = static_cast<const CallExpr&>(*statement.element);
  push_value(generate_as(*element.arguments[0], m_semantics.types.integer()), m_semantics.types.integer());
  m_out.push("$0");
  generate(*element.callee);
  m_out.push("%eax");
  call_routine(array_routine("RuntimeRedim", element.type, "ArrayLevel"));
  finish_call(3, m_semantics.types.void_type());
}

// ClassName(obj) raises IllegalCastException unless obj is Nil or of the class.
Value CodeGenerator::generate_cast(const CallExpr& call) {
  const Value object = generate(*call.arguments[0]);
  m_out.push("%eax", object.owned ? SlotKind::OwnedObject : SlotKind::Plain);
  m_out.push("$" + std::to_string(m_layout.class_index(call.target->class_info)));
  m_out.push("4(%esp)");
  call_routine(routines::check_cast);
  m_out.drop(2);
  m_out.pop("%eax");
  return {ValueClass::Word, object.owned};
}

}  // namespace zc
