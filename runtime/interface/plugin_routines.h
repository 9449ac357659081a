// Exported routines of the plug-in interface.
#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl plugin_routines[] = {
    // The image entry records its plug-in list first; RuntimeInit installs it.
    {"Win32InstallPlugins", 'v', "p"},
};

}  // namespace zif
