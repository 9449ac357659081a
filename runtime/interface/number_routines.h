// Exported routines of the conversions between numbers and text and of the
// arithmetic functions.

#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl number_routines[] = {
    // Numbers and text.
    {"StringVal", 'd', "s"},
    {"runCDbl", 'd', "s"},
    {"StringStr", 's', "d"},
    {"runCStr", 's', "d"},
    {"StringFormat", 's', "ds"},
    {"RuntimeHex", 's', "u"},
    {"RuntimeOct", 's', "u"},
    // Arithmetic.
    {"FPToInt", 'i', "d"},
    {"IntToFP", 'd', "i"},
    {"RuntimeRound", 'd', "d"},
    {"RuntimeFloor", 'd', "d"},
    {"RuntimeCeil", 'd', "d"},
    {"RuntimeAbs", 'd', "d"},
    {"RuntimeMax", 'd', "dd"},
    {"RuntimeMin", 'd', "dd"},
    {"RuntimeSqrt", 'd', "d"},
    {"RuntimeExp", 'd', "d"},
    {"RuntimeLog", 'd', "d"},
    {"RuntimePow", 'd', "dd"},
    {"RuntimeSin", 'd', "d"},
    {"RuntimeCos", 'd', "d"},
    {"RuntimeTan", 'd', "d"},
    {"RuntimeATan", 'd', "d"},
    {"RuntimeATan2", 'd', "dd"},
    {"RuntimeASin", 'd', "d"},
    {"RuntimeACos", 'd', "d"},
    {"RuntimeRGB", 'c', "iii"},
};

inline constexpr BuiltinDecl number_builtins[] = {
    {"Val", "StringVal"},
    {"Str", "StringStr"},
    {"Format", "StringFormat"},
    {"Round", "RuntimeRound"},
    {"Sqrt", "RuntimeSqrt"},
    {"Exp", "RuntimeExp"},
    {"RGB", "RuntimeRGB"},
};

}  // namespace zif
