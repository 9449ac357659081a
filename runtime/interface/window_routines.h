// Exported routines of windows: creation from a definition, showing, modal
// display, closing, redrawing, the control table and the property accessors.
#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl window_routines[] = {
    {"RuntimeCreateWindow", 'o', "pp"},
    {"RuntimeShowWindow", 'v', "o"},
    {"RuntimeHideWindow", 'v', "o"},
    {"RuntimeShowModal", 'v', "o"},
    {"RuntimeCloseWindow", 'v', "o"},
    {"formRefresh", 'v', "o"},
    {"formRefreshRect", 'v', "oiiii"},
    {"formSetFocus", 'v', "o"},
    {"windowControl", 'o', "oi"},
    {"windowControlCountGetter", 'i', "oi"},
    {"WindowVisibleGetter", 'b', "oi"},
    {"WindowVisibleSetter", 'v', "oib"},
    {"windowPosGetter", 'i', "oi"},
    {"windowPosSetter", 'v', "oii"},
    {"windowPlacementGetter", 'i', "oi"},
    {"windowPlacementSetter", 'v', "oii"},
    {"windowTitleGetter", 's', "oi"},
    {"windowTitleSetter", 'v', "ois"},
    {"windowCloseBoxGetter", 'b', "oi"},
    {"windowCloseBoxSetter", 'v', "oib"},
    {"windowGrowIconGetter", 'b', "oi"},
    {"windowGrowIconSetter", 'v', "oib"},
    {"windowZoomIconGetter", 'b', "oi"},
    {"windowZoomIconSetter", 'v', "oib"},
    {"windowFrameGetter", 'i', "oi"},
    {"windowFrameSetter", 'v', "oii"},
    {"windowBackdropGetter", 'o', "oi"},
    {"windowBackdropSetter", 'v', "oio"},
    {"windowHasBackColorGetter", 'b', "oi"},
    {"windowHasBackColorSetter", 'v', "oib"},
    {"windowBackColorGetter", 'c', "oi"},
    {"windowBackColorSetter", 'v', "oic"},
    {"windowBalloonHelpSetter", 'v', "ois"},
    {"formMouseCursorSetter", 'v', "oio"},
    {"windowMouseXGetter", 'i', "oi"},
    {"windowMouseYGetter", 'i', "oi"},
    {"windowWindowPtrGetter", 'i', "oi"},
    {"windowHWNDGetter", 'i', "oi"},
};

}  // namespace zif
