// The code generator: turns a checked program into GNU assembler source for
// i386 holding the whole image, code and data, in the conventions the
// runtime relies on. The assembler and zlink make the four segments of it.
#pragma once

#include <string>
#include <vector>

#include "compiler/ast.h"
#include "compiler/checker.h"
#include "compiler/diagnostics.h"
#include "compiler/runtime_interface.h"

namespace zc {

struct CodegenOptions {
  std::vector<std::string> library_paths;  // where Plugin files are looked for, in order
};

// The assembler source; errors (a plug-in file not found, a construct the
// generator cannot express) go to `diagnostics`.
std::string generate_assembly(const Program& program, const Semantics& semantics, const RuntimeInterface& runtime,
                              const CodegenOptions& options, Diagnostics& diagnostics);

}  // namespace zc
