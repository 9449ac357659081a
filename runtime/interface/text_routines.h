// Exported routines of the text library: lengths, parts, character codes,
// case, search and replace, fields and trimming. The DBCS forms count
// characters of the system's character model where the plain forms count
// bytes.

#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl text_routines[] = {
    // Lengths and parts; positions are 1-based.
    {"StringLen", 'i', "s"},
    {"StringDBCSLen", 'i', "s"},
    {"StringLeft", 's', "si"},
    {"StringDBCSLeft", 's', "si"},
    {"StringRight", 's', "si"},
    {"StringDBCSRight", 's', "si"},
    {"StringMid2", 's', "si"},
    {"StringDBCSMid2", 's', "si"},
    {"StringMid3", 's', "sii"},
    {"StringDBCSMid3", 's', "sii"},
    // Character codes.
    {"StringAsc", 'i', "s"},
    {"StringDBCSAsc", 'i', "s"},
    {"StringChr", 's', "i"},
    {"StringDBCSChr", 's', "i"},
    // Letter case.
    {"StringLCase", 's', "s"},
    {"StringUCase", 's', "s"},
    {"StringTitleCase", 's', "s"},
    // Search and replace, ignoring letter case: (start, text, find).
    {"StringInStr", 'i', "iss"},
    {"StringDBCSInStr", 'i', "iss"},
    {"StringReplace", 's', "sss"},
    {"StringReplaceAll", 's', "sss"},
    // Fields between separators.
    {"StringCountFields", 'i', "ss"},
    {"StringNthField", 's', "ssi"},
    // White space.
    {"runLTrim", 's', "s"},
    {"runRTrim", 's', "s"},
    {"runTrim", 's', "s"},
};

// The text functions of the language count characters; Mid has two forms,
// told apart by their number of arguments.
inline constexpr BuiltinDecl text_builtins[] = {
    {"Len", "StringDBCSLen"},
    {"Left", "StringDBCSLeft"},
    {"Right", "StringDBCSRight"},
    {"Mid", "StringDBCSMid2"},
    {"Mid", "StringDBCSMid3"},
    {"InStr", "StringDBCSInStr"},
    {"Chr", "StringDBCSChr"},
    {"LTrim", "runLTrim"},
    {"ReplaceAll", "StringReplaceAll"},
};

}  // namespace zif
