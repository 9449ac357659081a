// Installing the plug-ins the image entry recorded: each library is written
// into a per-user folder, loaded from there by its full path and entered;
// then the classes the plug-ins registered are completed.
#pragma once

#include "runtime/core/export_table.h"

namespace zrt {

// Plug-ins resolve the runtime's routines through `exports`.
void install_recorded_plugins(const ExportTable& exports);

}  // namespace zrt
