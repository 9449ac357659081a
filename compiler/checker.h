// The checker: resolves every name of a parsed program (locals, globals,
// class members through the inheritance chain, the runtime's classes and
// routines), gives every expression its type, checks conversions, calls and
// assignments, and the window, menu and settings declarations. It writes its
// findings into the tree; the returned Semantics owns what the tree points at.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "compiler/ast.h"
#include "compiler/diagnostics.h"
#include "compiler/runtime_interface.h"
#include "compiler/symbols.h"
#include "compiler/types.h"

namespace zc {

// A value known while compiling: a constant's, a setting's argument, a
// definition property's literal.
struct ConstantValue {
  explicit ConstantValue(const Type* type, std::int64_t integer = 0, double real = 0, std::string text = {})
      : type(type), integer(integer), real(real), text(std::move(text)) {}
  const Type* type;
  std::int64_t integer;
  double real;
  std::string text;
};

struct Semantics {
  TypeTable types;
  SymbolTable symbols;
  std::vector<const ClassInfo*> classes;  // the program's classes, in declaration order
  std::map<std::string, const ClassInfo*> runtime_classes;  // by name_key
  // The folded values of settings' arguments and definition properties, which
  // the image stores as data.
  std::map<const Expr*, ConstantValue> folded;
};

std::unique_ptr<Semantics> check(Program& program, const RuntimeInterface& runtime, Diagnostics& diagnostics);

}  // namespace zc
