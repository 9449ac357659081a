// Exported routines of the runtime core: strings, objects, exceptions,
// lifecycle, the string and number library, arrays and plug-ins.
#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl core_routines[] = {
    // Runtime strings.
    {"RuntimeLockString", 'v', "s"},
    {"RuntimeUnlockString", 'v', "s"},
    {"RuntimeAddString", 's', "ss"},
    {"RuntimeStringCompare", 'i', "ss"},
    {"StringGetCString", 'p', "s"},
    {"StringGetPString", 'p', "s"},
    {"ZOLTBuildString", 's', "pi"},
};

}  // namespace zif
