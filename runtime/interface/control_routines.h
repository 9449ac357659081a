// Exported routines of the control framework: finding controls by name, the
// position and state properties every control has, and redrawing.
#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl control_routines[] = {
    {"RuntimeControlFetch", 'o', "os"},
    {"RuntimeControlReference", 'o', "os"},
    {"RuntimeControlArrayItemReference", 'o', "osi"},
    {"RuntimeCloneControlReference", 'o', "os"},
    {"ctlPosGetter", 'i', "oi"},
    {"ctlPosSetter", 'v', "oii"},
    {"controlEnabledGetter", 'b', "oi"},
    {"controlEnabledSetter", 'v', "oib"},
    {"controlVisibleGetter", 'b', "oi"},
    {"ControlVisibleSetter", 'v', "oib"},
    {"controlLockLeftGetter", 'b', "oi"},
    {"controlLockLeftSetter", 'v', "oib"},
    {"controlLockTopGetter", 'b', "oi"},
    {"controlLockTopSetter", 'v', "oib"},
    {"controlLockRightGetter", 'b', "oi"},
    {"controlLockRightSetter", 'v', "oib"},
    {"controlLockBottomGetter", 'b', "oi"},
    {"controlLockBottomSetter", 'v', "oib"},
    {"controlBalloonHelpSetter", 'v', "ois"},
    {"controlDisabledBalloonHelpSetter", 'v', "ois"},
    {"controlMouseCursorSetter", 'v', "oio"},
    {"controlWindowGetter", 'o', "oi"},
    {"controlMacHandleGetter", 'i', "oi"},
    {"RuntimeControlRefresh", 'v', "o"},
    {"RuntimeControlRefreshRect", 'v', "oiiii"},
    {"RuntimeSetFocus", 'v', "o"},
};

}  // namespace zif
