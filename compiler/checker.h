// The checker: resolves every name of a parsed program (locals, globals,
// class members through the inheritance chain, the runtime's classes and
// routines), gives every expression its type, checks conversions, calls and
// assignments, and the window, menu and settings declarations. It writes its
// findings into the tree; the returned Semantics owns what the tree points at.
#pragma once

#include <memory>

#include "compiler/ast.h"
#include "compiler/diagnostics.h"
#include "compiler/runtime_interface.h"
#include "compiler/symbols.h"
#include "compiler/types.h"

namespace zc {

struct Semantics {
  TypeTable types;
  SymbolTable symbols;
  std::vector<const ClassInfo*> classes;  // the program's classes, in declaration order
};

std::unique_ptr<Semantics> check(Program& program, const RuntimeInterface& runtime, Diagnostics& diagnostics);

}  // namespace zc
