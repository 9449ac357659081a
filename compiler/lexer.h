// Turns one source file into tokens. Line ends become Newline tokens because
// they end statements; continuations and comments never reach the parser.
#pragma once

#include <vector>

#include "compiler/diagnostics.h"
#include "compiler/token.h"

namespace zc {

// The returned tokens view the file's text, so the file must outlive them.
// The list always ends with a Newline and an EndOfFile token.
std::vector<Token> tokenize(const SourceFile& file, Diagnostics& diagnostics);

}  // namespace zc
