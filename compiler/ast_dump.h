// A readable, stable text form of a syntax tree, one declaration or statement
// per line with two spaces of indent per level and expressions in prefix form:
// "Assign x = (+ x 1)". zc --dump-ast prints it and the parser tests compare it.
#pragma once

#include <iosfwd>
#include <string>

#include "compiler/ast.h"

namespace zc {

void dump_unit(const Unit& unit, std::ostream& out);
std::string dump_expression(const Expr* expression);

}  // namespace zc
