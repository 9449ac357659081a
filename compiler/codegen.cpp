// The generator's passes: the code of every class's methods, handlers and
// lifecycle routines, the entry, then the data that the code and the runtime
// refer to, literal strings last since everything before may add to them.
#include "compiler/codegen.h"

#include <stdexcept>

#include "compiler/codegen_internal.h"
#include "compiler/names.h"

namespace zc {

// The generator trusts the checked tree; should that trust be broken, the
// user gets a message naming the failure instead of an aborted compiler.
std::string generate_assembly(const Program& program, const Semantics& semantics, const RuntimeInterface& runtime,
                              const CodegenOptions& options, Diagnostics& diagnostics) {
  try {
    return CodeGenerator(program, semantics, runtime, options, diagnostics).run();
  } catch (const std::exception& failure) {
    diagnostics.tool_error(std::string("internal error while generating code: ") + failure.what());
    return {};
  }
}

std::string CodeGenerator::run() {
  m_has_plugins = false;
  for (const Unit& unit : m_program.units) m_has_plugins |= !unit.plugins.empty();
  for (const Unit& unit : m_program.units) {
    m_file = unit.file;
    for (const ClassDecl& decl : unit.classes)
      if (decl.symbol && !decl.symbol->class_info->is_interface) generate_methods(*decl.symbol->class_info);
  }
  m_file = nullptr;
  generate_entry();
  write_data();
  return m_out.text();
}

void CodeGenerator::write_data() {
  m_out.emit(".data");
  write_globals();
  write_window_definitions();
  write_menu_definition();
  write_settings();
  write_plugins();
  write_class_descriptors();
  write_application_descriptor();
  m_literals.write(m_out);
}

const ClassInfo* CodeGenerator::runtime_class(std::string_view name) const {
  auto found = m_semantics.runtime_classes.find(name_key(name));
  return found != m_semantics.runtime_classes.end() ? found->second : nullptr;
}

void CodeGenerator::error(SourcePos pos, const std::string& message) {
  static const SourceFile k_nowhere{"zc", ""};
  m_diagnostics.error(m_file ? *m_file : k_nowhere, pos.line, pos.column, message);
}

}  // namespace zc
