// The resolver handed to every plug-in's entry: it finds a runtime routine
// by name in the Runtime export table, through a name dictionary built on
// its first call.
#pragma once

#include "runtime/core/export_table.h"
#include "runtime/interface/plugin_records.h"

namespace zrt {

// The table the resolver reads; set before the first plug-in is entered.
void set_resolver_exports(const ExportTable* exports);

// The routine of that name, in any letter case; null when there is none.
zplug::Routine resolve_runtime_routine(const char* name);

}  // namespace zrt
