// Exported routines of the application's life: start, the event loop,
// quitting, the calls of long computations and the message box.
#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl application_routines[] = {
    {"RuntimeInit", 'v', "p"},
    {"RuntimeRun", 'v', ""},
    {"ApplicationQuit", 'v', ""},
    {"RuntimeBackgroundTask", 'v', ""},
    {"RuntimeStackCheck", 'v', ""},
    {"RuntimeMsgBox", 'v', "s"},
};

inline constexpr BuiltinDecl application_builtins[] = {
    {"MsgBox", "RuntimeMsgBox"},
    {"Quit", "ApplicationQuit"},
};

}  // namespace zif
