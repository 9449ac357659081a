// From a checked program to the four image segments: generate assembler
// source, assemble it, and link the object with zlink's linker.
#pragma once

#include <optional>
#include <string>

#include "compiler/codegen.h"
#include "compiler/image_writer.h"

namespace zc {

struct BuiltImage {
  std::string assembly;
  std::optional<image::Segments> segments;  // nothing when an error was reported
};

// Errors of generation go to `diagnostics`; a missing assembler, its failure
// and link errors are reported there too, as errors of zc itself.
BuiltImage build_image(const Program& program, const Semantics& semantics, const RuntimeInterface& runtime,
                       const CodegenOptions& options, Diagnostics& diagnostics);

}  // namespace zc
