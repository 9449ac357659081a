// The checker's types and the conversions between them. Types are interned:
// each exists once, so two types are the same exactly when their addresses
// are, and the tree can point at them.
#pragma once

#include <deque>
#include <map>
#include <string>

namespace zc {

struct ClassInfo;

// Error is the type of an expression that already has an error reported; it
// converts to and from everything, so one mistake is reported once.
// Object is the runtime's untyped object reference; Nil converts to every
// reference type.
enum class TypeKind { Error, Void, Integer, Boolean, Color, Double, Single, String, Nil, Object, Class, Array, Pointer };

struct Type {
  TypeKind kind;
  const ClassInfo* class_info = nullptr;  // Class only
  const Type* element = nullptr;          // Array only (null: any array, from the runtime's signatures)

  bool is_numeric() const {
    return kind == TypeKind::Integer || kind == TypeKind::Double || kind == TypeKind::Single ||
           kind == TypeKind::Color;
  }
  bool is_reference() const {
    return kind == TypeKind::String || kind == TypeKind::Object || kind == TypeKind::Class ||
           kind == TypeKind::Array || kind == TypeKind::Nil;
  }
  bool is_object() const { return kind == TypeKind::Object || kind == TypeKind::Class; }
  std::string name() const;
};

class TypeTable {
 public:
  TypeTable();

  const Type* error() const { return &m_simple.at(TypeKind::Error); }
  const Type* void_type() const { return &m_simple.at(TypeKind::Void); }
  const Type* integer() const { return &m_simple.at(TypeKind::Integer); }
  const Type* boolean() const { return &m_simple.at(TypeKind::Boolean); }
  const Type* color() const { return &m_simple.at(TypeKind::Color); }
  const Type* double_type() const { return &m_simple.at(TypeKind::Double); }
  const Type* single() const { return &m_simple.at(TypeKind::Single); }
  const Type* string() const { return &m_simple.at(TypeKind::String); }
  const Type* nil() const { return &m_simple.at(TypeKind::Nil); }
  const Type* object() const { return &m_simple.at(TypeKind::Object); }
  const Type* pointer() const { return &m_simple.at(TypeKind::Pointer); }
  const Type* any_array() const { return &m_any_array; }

  const Type* class_type(const ClassInfo* info);
  const Type* array_of(const Type* element);
  // The type a built-in name stands for ("integer", "String", ...), or null.
  const Type* builtin(std::string_view name) const;

 private:
  std::map<TypeKind, Type> m_simple;
  Type m_any_array{TypeKind::Array, nullptr, nullptr};
  std::map<const ClassInfo*, Type> m_classes;
  std::map<const Type*, Type> m_arrays;
};

// Whether a value of type `from` may be stored where `to` is expected:
// widening between numbers (Double to Integer truncates), Integer and Color
// alike, Nil to any reference, a class to its ancestors and interfaces.
bool converts_implicitly(const Type* from, const Type* to);

// The common type both operands of arithmetic are brought to, or null.
const Type* arithmetic_type(const TypeTable& types, const Type* left, const Type* right);

// Whether `derived` is `base` or inherits from or implements it.
bool is_subclass_of(const ClassInfo* derived, const ClassInfo* base);

}  // namespace zc
