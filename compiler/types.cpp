// Interned types and the conversion rules of assignments, arguments and
// arithmetic.
#include "compiler/types.h"

#include "compiler/names.h"
#include "compiler/symbols.h"

namespace zc {

std::string Type::name() const {
  switch (kind) {
    case TypeKind::Error: return "<error>";
    case TypeKind::Void: return "nothing";
    case TypeKind::Integer: return "Integer";
    case TypeKind::Boolean: return "Boolean";
    case TypeKind::Color: return "Color";
    case TypeKind::Double: return "Double";
    case TypeKind::Single: return "Single";
    case TypeKind::String: return "String";
    case TypeKind::Nil: return "Nil";
    case TypeKind::Object: return "Object";
    case TypeKind::Class: return class_info->name;
    case TypeKind::Array: return element ? element->name() + "()" : "array";
    case TypeKind::Pointer: return "address";
  }
  return "?";
}

TypeTable::TypeTable() {
  for (TypeKind kind : {TypeKind::Error, TypeKind::Void, TypeKind::Integer, TypeKind::Boolean, TypeKind::Color,
                        TypeKind::Double, TypeKind::Single, TypeKind::String, TypeKind::Nil, TypeKind::Object,
                        TypeKind::Pointer})
    m_simple.emplace(kind, Type{kind, nullptr, nullptr});
}

const Type* TypeTable::class_type(const ClassInfo* info) {
  return &m_classes.try_emplace(info, Type{TypeKind::Class, info, nullptr}).first->second;
}

const Type* TypeTable::array_of(const Type* element) {
  return &m_arrays.try_emplace(element, Type{TypeKind::Array, nullptr, element}).first->second;
}

const Type* TypeTable::builtin(std::string_view name) const {
  static constexpr std::pair<std::string_view, TypeKind> k_names[] = {
      {"integer", TypeKind::Integer}, {"boolean", TypeKind::Boolean}, {"color", TypeKind::Color},
      {"double", TypeKind::Double},   {"single", TypeKind::Single},   {"string", TypeKind::String},
      {"object", TypeKind::Object},
  };
  for (const auto& [spelling, kind] : k_names)
    if (equal_ignoring_case(name, spelling)) return &m_simple.at(kind);
  return nullptr;
}

bool is_subclass_of(const ClassInfo* derived, const ClassInfo* base) {
  return derived && derived->any_ancestor([&](const ClassInfo& info) { return &info == base; });
}

bool converts_implicitly(const Type* from, const Type* to) {
  if (from == to || from->kind == TypeKind::Error || to->kind == TypeKind::Error) return true;
  if (from->is_numeric() && to->is_numeric()) return true;
  if (from->kind == TypeKind::Nil) return to->is_reference();
  if (to->kind == TypeKind::Object) return from->is_object();
  if (from->kind == TypeKind::Class && to->kind == TypeKind::Class)
    return is_subclass_of(from->class_info, to->class_info);
  if (from->kind == TypeKind::Array && to->kind == TypeKind::Array)
    return from->element == nullptr || to->element == nullptr;
  return false;
}

const Type* arithmetic_type(const TypeTable& types, const Type* left, const Type* right) {
  if (left->kind == TypeKind::Error || right->kind == TypeKind::Error) return types.error();
  if (!left->is_numeric() || !right->is_numeric()) return nullptr;
  auto is_real = [](const Type* type) { return type->kind == TypeKind::Double || type->kind == TypeKind::Single; };
  return is_real(left) || is_real(right) ? types.double_type() : types.integer();
}

}  // namespace zc
