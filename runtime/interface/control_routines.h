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
    {"controlMouseXGetter", 'i', "oi"},
    {"controlMouseYGetter", 'i', "oi"},
    // The kinds: each setter stores and tells the pane which field changed.
    {"pushButtonTitleSetter", 'v', "ois"},
    {"pushButtonDefaultSetter", 'v', "oib"},
    {"pushButtonCancelSetter", 'v', "oib"},
    {"pushButtonTextFontSetter", 'v', "ois"},
    {"pushButtonTextSizeSetter", 'v', "oii"},
    {"pushButtonAttributeSetter", 'v', "oib"},
    {"pushButtonPush", 'v', "o"},
    {"staticCaptionSetter", 'v', "ois"},
    {"staticTextAlignSetter", 'v', "oii"},
    {"staticTextColorSetter", 'v', "oic"},
    {"staticTextFontSetter", 'v', "ois"},
    {"staticTextSizeSetter", 'v', "oii"},
    {"staticAttributeSetter", 'v', "oib"},
    {"groupBoxCaptionSetter", 'v', "ois"},
    {"groupBoxTextFontSetter", 'v', "ois"},
    {"groupBoxTextSizeSetter", 'v', "oii"},
    {"groupBoxAttributeSetter", 'v', "oib"},
    {"canvasGraphicsGetter", 'o', "oi"},
    {"canvasBackdropSetter", 'v', "oio"},
};

}  // namespace zif
