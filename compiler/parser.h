// The parser: turns one file's tokens into its syntax tree. Bad source is
// reported through the diagnostics and skipped up to the next line or block
// end, so one run reports many errors and always returns a tree.
#pragma once

#include <vector>

#include "compiler/ast.h"
#include "compiler/diagnostics.h"
#include "compiler/token.h"

namespace zc {

// Nesting limits. The parser and every later phase walk the tree
// recursively, so its depth is bounded where it is read: brackets, calls,
// member accesses, unary operators and right-hand operands nest at most 64
// deep in one expression (as C compilers must allow 63), and blocks (the
// class and method included) at most 256 deep. A level of an expression
// costs the parser about twenty frames, a level of blocks a few, so even a
// build with AddressSanitizer stays well within a 1 MB stack. Past either limit the parser reports it and reads no further. A
// chain of one binary operator ("a + b + c ...") only lengthens, and has no
// limit.
constexpr int k_max_expression_depth = 64;
constexpr int k_max_block_depth = 256;

// The tree views the file's text and the tokens' text, so both must outlive it.
Unit parse(const SourceFile& file, const std::vector<Token>& tokens, Diagnostics& diagnostics);

// A method signature as the runtime's tables write it: "name [(parameters)]
// [As type]". Event parameter lists are read as "name(parameters)" too.
MethodDecl parse_signature(const SourceFile& file, const std::vector<Token>& tokens, Diagnostics& diagnostics);

}  // namespace zc
