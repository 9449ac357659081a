// The parser: turns one file's tokens into its syntax tree. Bad source is
// reported through the diagnostics and skipped up to the next line or block
// end, so one run reports many errors and always returns a tree.
#pragma once

#include <vector>

#include "compiler/ast.h"
#include "compiler/diagnostics.h"
#include "compiler/token.h"

namespace zc {

// The tree views the file's text and the tokens' text, so both must outlive it.
Unit parse(const SourceFile& file, const std::vector<Token>& tokens, Diagnostics& diagnostics);

// A method signature as the runtime's tables write it: "name [(parameters)]
// [As type]". Event parameter lists are read as "name(parameters)" too.
MethodDecl parse_signature(const SourceFile& file, const std::vector<Token>& tokens, Diagnostics& diagnostics);

}  // namespace zc
