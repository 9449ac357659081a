// The pipeline after checking. Link errors here mean the generator wrote
// something the image cannot express, so they are reported as zc's own.
#include "compiler/image_build.h"

#include "compiler/coff_reader.h"
#include "compiler/cross_assembler.h"
#include "compiler/object_linker.h"

namespace zc {

BuiltImage build_image(const Program& program, const Semantics& semantics, const RuntimeInterface& runtime,
                       const CodegenOptions& options, Diagnostics& diagnostics) {
  BuiltImage built;
  built.assembly = generate_assembly(program, semantics, runtime, options, diagnostics);
  if (diagnostics.error_count() > 0) return built;
  const std::optional<std::string> assembler = find_assembler();
  if (!assembler) {
    diagnostics.tool_error(
        "cannot find the cross assembler i686-w64-mingw32-as (install binutils-mingw-w64-i686, or "
                      "name it in ZC_ASSEMBLER)");
    return built;
  }
  const AssembledObject object = assemble(*assembler, built.assembly);
  if (object.object.empty()) {
    diagnostics.tool_error(object.error);
    return built;
  }
  try {
    built.segments = zlink::link_object(coff::read_object(object.object));
  } catch (const std::runtime_error& error) {
    diagnostics.tool_error(std::string("cannot link the generated code: ") + error.what());
  }
  return built;
}

}  // namespace zc
