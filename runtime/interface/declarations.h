// The shapes of the runtime's declarative interface: exported routines and
// runtime classes. Portable (no windows.h): the runtime builds its export
// table and class records from these tables, and the host tools read them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zif {

// Types at the boundary between compiled code and the runtime, one letter each
// in a routine's signature text:
//   v void (results only)      i Integer (32-bit signed)   u unsigned 32-bit
//   b Boolean (32-bit 0 or 1)  d Double (two stack words, results on the x87 stack)
//   f Single (32-bit float)    c Color (0x00RRGGBB)        s runtime string
//   o object                   a array record              p address of image data
enum class Type : std::uint8_t { Void, Integer, Unsigned, Boolean, Double, Single, Color, String, Object, Array, Pointer };

constexpr bool is_type_letter(char letter) {
  return std::string_view("viubdfcsoap").find(letter) != std::string_view::npos;
}

constexpr Type type_of_letter(char letter) {
  switch (letter) {
    case 'i': return Type::Integer;
    case 'u': return Type::Unsigned;
    case 'b': return Type::Boolean;
    case 'd': return Type::Double;
    case 'f': return Type::Single;
    case 'c': return Type::Color;
    case 's': return Type::String;
    case 'o': return Type::Object;
    case 'a': return Type::Array;
    case 'p': return Type::Pointer;
    default: return Type::Void;
  }
}

// An exported routine: its exact name, its result letter and its parameter
// letters in source order (pushed right to left by the caller).
struct RoutineDecl {
  std::string_view name;
  char result;
  std::string_view params;
};

// A property of a runtime class. Type is the language's type name ("Integer",
// "Color", "Picture", ...). Getter and setter name exported routines (empty
// when the property has none); param is the word passed to both, such as a
// field offset or a selector: getter(object, param), setter(object, param,
// value).
//
// A property with parameters ("row As Integer, column As Integer") is read
// as `list.Cell(row, column)` and assigned as `list.Cell(row, column) = v`;
// its arguments take the parameter word's place, so its accessors are
// getter(object, arguments...) and setter(object, arguments..., value), and
// param is 0. A window definition cannot set such a property.
struct PropertyDecl {
  std::string_view name;
  std::string_view type;
  std::string_view getter;
  std::string_view setter;
  std::int32_t param;
  std::string_view params = {};
};

// A method of a runtime class: the declaration text in the language's syntax
// ("DrawLine(x1 As Integer, y1 As Integer, x2 As Integer, y2 As Integer)") and
// the exported routine that implements it.
struct MethodDecl {
  std::string_view declaration;
  std::string_view routine;
};

// An event a runtime class raises: name, parameter text, result type text and
// the event code stored with the declaration (0 when it has none).
struct EventDecl {
  std::string_view name;
  std::string_view params;
  std::string_view result;
  std::int32_t code;
};

// A built-in function of the language: the name programs call it by and the
// exported routine that implements it, whose signature gives its parameters
// and result. A routine that returns an object names the class of its result.
// Several built-ins may share a name when their numbers of arguments differ.
struct BuiltinDecl {
  std::string_view name;
  std::string_view routine;
  std::string_view result_class = {};
};

// A runtime class. The instance size counts the object header and must match
// what compiled subclasses assume, since they place their fields after it.
struct ClassDecl {
  std::string_view name;
  std::string_view internal_name;
  std::string_view superclass;  // empty for a root class
  std::int32_t instance_size;
  std::span<const PropertyDecl> properties;
  std::span<const MethodDecl> methods;
  std::span<const EventDecl> events;
};

}  // namespace zif
