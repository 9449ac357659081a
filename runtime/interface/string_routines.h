// Exported routines of the runtime strings and the string and number library.

#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl string_routines[] = {
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
