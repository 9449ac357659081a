// Exported routines that raise exceptions.
#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl exception_routines[] = {
    {"RuntimeRaiseException", 'v', "o"},
    {"RuntimeNilObject", 'v', ""},
    {"RuntimeReraiseException", 'v', ""},
};

}  // namespace zif
