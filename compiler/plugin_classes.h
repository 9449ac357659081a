// The classes a program's plug-ins provide, read out of each library file's
// ".zclass" section (written by the plug-in from the records it registers)
// and added to the runtime interface the checker and code generator see.
// Their members are reached at run time through deferred imports.
#pragma once

#include "compiler/ast.h"
#include "compiler/diagnostics.h"
#include "compiler/runtime_interface.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zc {

// A plug-in file looked for along the library path, then as written; empty
// when there is none.
std::filesystem::path find_plugin_library(const std::string& name, const std::vector<std::string>& paths);

// Adds the classes of every Plugin of the program; a library that cannot be
// found or read is an error at its Plugin line.
void add_plugin_classes(RuntimeInterface& runtime, const Program& program, const std::vector<std::string>& paths,
                        Diagnostics& diagnostics);

// The classes a declaration text gives (see runtime/interface/plugin_declaration.h).
// Members whose types the compiler does not know are left out: the runtime
// accepts them, but no program could use them. Empty with the error on bad text.
struct PluginClassReading {
  std::string error;
};
PluginClassReading add_declared_classes(RuntimeInterface& runtime, std::string_view text);

}  // namespace zc
