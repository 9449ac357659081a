// Exported routines of the object model: instances, inheritance tests,
// dispatch, hooks, project objects and the field accessors.
#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

// Routine addresses come back as unsigned words ('u'): compiled code calls them.
inline constexpr RoutineDecl object_routines[] = {
    {"RuntimeNewObject", 'o', "i"},
    {"RuntimeLockObject", 'o', "o"},
    {"RuntimeUnlockObject", 'v', "o"},
    {"RuntimeObjectIsa", 'b', "oi"},
    {"RuntimeCheckCast", 'v', "oi"},
    {"FindVTableCode", 'u', "oi"},
    {"FindInterfaceVTableCode", 'u', "oii"},
    {"RuntimeFindHookCode", 'u', "oi"},
    {"RuntimeProjectObject", 'o', "i"},
    {"RuntimePictureReference", 'o', "i"},
    {"objGetter", 'o', "oi"},
    {"objSetter", 'v', "oio"},
    {"stringGetter", 's', "oi"},
    {"stringSetter", 'v', "ois"},
    {"shortGetter", 'i', "oi"},
    {"shortSetter", 'v', "oii"},
    {"integerGetter", 'i', "oi"},
    {"integerSetter", 'v', "oii"},
    {"booleanGetter", 'b', "oi"},
    {"booleanSetter", 'v', "oib"},
};

}  // namespace zif
