// The properties and events of the built-in control classes, in declaration
// order. Stored properties name the general field accessors with the field's
// offset as parameter; the others name the control routines, with a
// selector where one routine serves several properties.
#pragma once

#include "runtime/interface/control_layout.h"
#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr PropertyDecl control_properties[] = {
    {"Name", "String", "stringGetter", "stringSetter", control_fields::name},
    {"Index", "Integer", "integerGetter", "integerSetter", control_fields::index},
    {"BalloonHelp", "String", "stringGetter", "controlBalloonHelpSetter", control_fields::balloon_help},
    {"DisabledBalloonHelp", "String", "stringGetter", "controlDisabledBalloonHelpSetter",
     control_fields::disabled_balloon_help},
    {"TabPanelIndex", "Integer", "integerGetter", "integerSetter", control_fields::tab_panel_index},
    {"MouseCursor", "MouseCursor", "objGetter", "controlMouseCursorSetter", control_fields::mouse_cursor},
    {"MouseX", "Integer", "controlMouseXGetter", "", 0},
    {"MouseY", "Integer", "controlMouseYGetter", "", 0},
    {"Window", "Window", "controlWindowGetter", "", 0},
    {"MacControlHandle", "Integer", "controlMacHandleGetter", "", 0},
};

inline constexpr EventDecl control_events[] = {
    {"CreatePane", "", "", 0},
    {"Open", "", "", 0},
    {"Close", "", "", 0},
    {"DropObject", "obj As DragItem", "", 0},
};

inline constexpr PropertyDecl rect_control_properties[] = {
    {"Visible", "Boolean", "controlVisibleGetter", "ControlVisibleSetter", 0},
    {"Left", "Integer", "ctlPosGetter", "ctlPosSetter", 0},
    {"Top", "Integer", "ctlPosGetter", "ctlPosSetter", 1},
    {"Width", "Integer", "ctlPosGetter", "ctlPosSetter", 2},
    {"Height", "Integer", "ctlPosGetter", "ctlPosSetter", 3},
    {"Enabled", "Boolean", "controlEnabledGetter", "controlEnabledSetter", 0},
    {"LockLeft", "Boolean", "controlLockLeftGetter", "controlLockLeftSetter", 0},
    {"LockTop", "Boolean", "controlLockTopGetter", "controlLockTopSetter", 0},
    {"LockRight", "Boolean", "controlLockRightGetter", "controlLockRightSetter", 0},
    {"LockBottom", "Boolean", "controlLockBottomGetter", "controlLockBottomSetter", 0},
};

inline constexpr EventDecl rect_control_events[] = {
    {"MouseMove", "X As Integer, Y As Integer", "", 503},
    {"MouseEnter", "", "", 504},
    {"MouseExit", "", "", 505},
};

// The font and style setters of each kind share one routine per value type;
// its parameter is the field that changes.
inline constexpr PropertyDecl push_button_properties[] = {
    {"Caption", "String", "stringGetter", "pushButtonTitleSetter", push_button_fields::caption},
    {"Default", "Boolean", "booleanGetter", "pushButtonDefaultSetter", push_button_fields::is_default},
    {"Cancel", "Boolean", "booleanGetter", "pushButtonCancelSetter", push_button_fields::is_cancel},
    {"TextFont", "String", "stringGetter", "pushButtonTextFontSetter", push_button_fields::text_font},
    {"TextSize", "Integer", "shortGetter", "pushButtonTextSizeSetter", push_button_fields::text_size},
    {"Bold", "Boolean", "booleanGetter", "pushButtonAttributeSetter", push_button_fields::bold},
    {"Italic", "Boolean", "booleanGetter", "pushButtonAttributeSetter", push_button_fields::italic},
    {"Underline", "Boolean", "booleanGetter", "pushButtonAttributeSetter", push_button_fields::underline},
};

inline constexpr MethodDecl push_button_methods[] = {
    {"Push()", "pushButtonPush"},
};

inline constexpr EventDecl push_button_events[] = {
    {"Action", "", "", 1001},
};

// Text and Caption are one field.
inline constexpr PropertyDecl static_text_properties[] = {
    {"Text", "String", "stringGetter", "staticCaptionSetter", static_text_fields::text},
    {"Caption", "String", "stringGetter", "staticCaptionSetter", static_text_fields::text},
    {"TextAlign", "Integer", "shortGetter", "staticTextAlignSetter", static_text_fields::text_align},
    {"TextColor", "Color", "integerGetter", "staticTextColorSetter", static_text_fields::text_color},
    {"TextFont", "String", "stringGetter", "staticTextFontSetter", static_text_fields::text_font},
    {"TextSize", "Integer", "shortGetter", "staticTextSizeSetter", static_text_fields::text_size},
    {"Bold", "Boolean", "booleanGetter", "staticAttributeSetter", static_text_fields::bold},
    {"Italic", "Boolean", "booleanGetter", "staticAttributeSetter", static_text_fields::italic},
    {"Underline", "Boolean", "booleanGetter", "staticAttributeSetter", static_text_fields::underline},
    {"MultiLine", "Boolean", "booleanGetter", "booleanSetter", static_text_fields::multi_line},
};

inline constexpr PropertyDecl canvas_properties[] = {
    {"Graphics", "Graphics", "canvasGraphicsGetter", "", 0},
    {"Backdrop", "Picture", "objGetter", "canvasBackdropSetter", canvas_fields::backdrop},
};

inline constexpr EventDecl canvas_events[] = {
    {"Paint", "g As Graphics", "", 0},
    {"MouseDown", "X As Integer, Y As Integer", "Boolean", 501},
    {"MouseDrag", "X As Integer, Y As Integer", "", 506},
    {"MouseUp", "X As Integer, Y As Integer", "", 502},
};

inline constexpr PropertyDecl group_box_properties[] = {
    {"Caption", "String", "stringGetter", "groupBoxCaptionSetter", group_box_fields::caption},
    {"TextFont", "String", "stringGetter", "groupBoxTextFontSetter", group_box_fields::text_font},
    {"TextSize", "Integer", "shortGetter", "groupBoxTextSizeSetter", group_box_fields::text_size},
    {"Bold", "Boolean", "booleanGetter", "groupBoxAttributeSetter", group_box_fields::bold},
    {"Italic", "Boolean", "booleanGetter", "groupBoxAttributeSetter", group_box_fields::italic},
    {"Underline", "Boolean", "booleanGetter", "groupBoxAttributeSetter", group_box_fields::underline},
};

}  // namespace zif
