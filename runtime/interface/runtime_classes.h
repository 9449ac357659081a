// The runtime's own classes: names, internal names, instance sizes and
// superclasses. Compiled subclasses place their fields right after these
// instance sizes, so the sizes are fixed. The subsystems that implement a
// class add its properties, methods and events here as they come.
#pragma once

#include "runtime/interface/control_members.h"
#include "runtime/interface/date_members.h"
#include "runtime/interface/declarations.h"
#include "runtime/interface/device_members.h"
#include "runtime/interface/file_members.h"
#include "runtime/interface/graphics_members.h"
#include "runtime/interface/listbox_interface.h"
#include "runtime/interface/menu_members.h"
#include "runtime/interface/window_layout.h"

namespace zif {

// The properties of every window, in declaration order. Stored properties
// name the general field accessors with the field's offset as parameter.
inline constexpr PropertyDecl window_properties[] = {
    {"Visible", "Boolean", "WindowVisibleGetter", "WindowVisibleSetter", 0},
    {"Left", "Integer", "windowPosGetter", "windowPosSetter", 0},
    {"Top", "Integer", "windowPosGetter", "windowPosSetter", 1},
    {"Width", "Integer", "windowPosGetter", "windowPosSetter", 2},
    {"Height", "Integer", "windowPosGetter", "windowPosSetter", 3},
    {"Placement", "Integer", "windowPlacementGetter", "windowPlacementSetter", 0},
    {"Title", "String", "windowTitleGetter", "windowTitleSetter", 0},
    {"CloseBox", "Boolean", "windowCloseBoxGetter", "windowCloseBoxSetter", 0},
    {"GrowIcon", "Boolean", "windowGrowIconGetter", "windowGrowIconSetter", 0},
    {"ZoomIcon", "Boolean", "windowZoomIconGetter", "windowZoomIconSetter", 0},
    {"Frame", "Integer", "windowFrameGetter", "windowFrameSetter", 0},
    {"Backdrop", "Picture", "windowBackdropGetter", "windowBackdropSetter", 0},
    {"HasBackColor", "Boolean", "windowHasBackColorGetter", "windowHasBackColorSetter", 0},
    {"BackColor", "Color", "windowBackColorGetter", "windowBackColorSetter", 0},
    {"BalloonHelp", "String", "stringGetter", "windowBalloonHelpSetter", window_fields::balloon_help},
    {"MinWidth", "Integer", "shortGetter", "shortSetter", window_fields::min_width},
    {"MinHeight", "Integer", "shortGetter", "shortSetter", window_fields::min_height},
    {"MaxWidth", "Integer", "shortGetter", "shortSetter", window_fields::max_width},
    {"MaxHeight", "Integer", "shortGetter", "shortSetter", window_fields::max_height},
    {"MacProcId", "Integer", "integerGetter", "integerSetter", window_fields::mac_proc_id},
    {"MouseCursor", "MouseCursor", "objGetter", "formMouseCursorSetter", window_fields::mouse_cursor},
    {"ControlCount", "Integer", "windowControlCountGetter", "", 0},
    {"FloaterProcess", "String", "stringGetter", "stringSetter", window_fields::floater_process},
    {"MouseX", "Integer", "windowMouseXGetter", "", 0},
    {"MouseY", "Integer", "windowMouseYGetter", "", 0},
    {"MacWindowPtr", "Integer", "windowWindowPtrGetter", "", 0},
    {"WinHWND", "Integer", "windowHWNDGetter", "", 0},
};

// The methods of every window: Close inside a window closes it.
inline constexpr MethodDecl window_methods[] = {
    {"Close()", "RuntimeCloseWindow"},
};

// The events of every window, in declaration order, with their codes.
inline constexpr EventDecl window_events[] = {
    {"Open", "", "", 0},
    {"Close", "", "", 0},
    {"CancelClose", "", "Boolean", 0},
    {"KeyDown", "Key As String", "Boolean", 401},
    {"MouseMove", "X As Integer, Y As Integer", "", 503},
    {"MouseEnter", "", "", 504},
    {"MouseExit", "", "", 505},
    {"Paint", "g As Graphics", "", 0},
    {"MouseDown", "X As Integer, Y As Integer", "Boolean", 501},
    {"MouseDrag", "X As Integer, Y As Integer", "", 506},
    {"MouseUp", "X As Integer, Y As Integer", "", 502},
    {"EnableMenuItems", "", "", 0},
    {"Resized", "", "", 0},
    {"Moved", "", "", 0},
    {"DropObject", "obj As DragItem", "", 0},
    {"Activate", "", "", 0},
    {"Deactivate", "", "", 0},
};

inline constexpr EventDecl application_events[] = {
    {"Open", "", "", 0},
    {"Close", "", "", 0},
    {"EnableMenuItems", "", "", 0},
    {"NewDocument", "", "", 0},
    {"OpenDocument", "item As FolderItem", "", 0},
    // "event" is a keyword of the language, which the compiler reads these
    // parameter lists in, so the first parameter has another name.
    {"HandleAppleEvent", "theEvent As AppleEvent, eventClass As String, eventID As String", "Boolean", 0},
    {"Activate", "", "", 0},
    {"Deactivate", "", "", 0},
};

inline constexpr ClassDecl runtime_classes[] = {
    // Controls and windows.
    {"Control", "ZTControl", "", control_fields::instance_size, control_properties, {}, control_events},
    {"RectControl", "ZTRectControl", "Control", control_fields::instance_size, rect_control_properties, {},
     rect_control_events},
    {"StaticText", "ZTStaticText", "RectControl", static_text_fields::instance_size, static_text_properties, {}, {}},
    {"PushButton", "ZTPushButton", "RectControl", push_button_fields::instance_size, push_button_properties,
     push_button_methods, push_button_events},
    {"Canvas", "ZTCanvas", "RectControl", canvas_fields::instance_size, canvas_properties, {}, canvas_events},
    {"GroupBox", "ZTGroupBox", "RectControl", group_box_fields::instance_size, group_box_properties, {}, {}},
    {"Listbox", "ZTListbox", "RectControl", listbox_fields::instance_size, listbox_properties, listbox_methods,
     listbox_events},
    {"Window", "ZTWindow", "", window_fields::instance_size, window_properties, window_methods, window_events},
    {"Dialog", "ZTDialog", "Window", window_fields::instance_size, {}, {}, {}},
    {"Applet", "ZTApplet", "Window", window_fields::instance_size, {}, {}, {}},
    {"MenuItem", "ZTMenuItem", "", menu_item_fields::instance_size, menu_item_properties, menu_item_methods,
     menu_item_events},
    {"QuitMenuItem", "ZTQuitMenuItem", "MenuItem", menu_item_fields::instance_size, {}, {}, {}},
    // The application and the devices, files and streams.
    {"Application", "ZTApplication", "", 28, application_properties, {}, application_events},
    {"Clipboard", "ZTClipboard", "", clipboard_fields::instance_size, clipboard_properties, clipboard_methods, {}},
    {"PrinterSetup", "ZTPrinterSetup", "", printer_setup_fields::instance_size, printer_setup_properties,
     printer_setup_methods, {}},
    {"Screen", "ZTScreen", "", screen_fields::instance_size, screen_properties, {}, {}},
    {"FolderItem", "ZTFolderItem", "", folder_item_fields::instance_size, folder_item_properties,
     folder_item_methods, {}},
    {"TextOutputStream", "ZTTextOutputStream", "", text_output_fields::instance_size, text_output_stream_properties,
     text_output_stream_methods, {}},
    {"TextInputStream", "ZTTextInputStream", "", text_input_fields::instance_size, text_input_stream_properties,
     text_input_stream_methods, {}},
    {"BinaryStream", "ZTBinaryStream", "", binary_stream_fields::instance_size, binary_stream_properties,
     binary_stream_methods, {}},
    {"Date", "ZTDate", "", date_fields::instance_size, date_properties, {}, {}},
    {"Picture", "ZTPicture", "", picture_fields::instance_size, picture_properties, picture_methods, {}},
    {"Graphics", "ZTGraphics", "", graphics_fields::instance_size, graphics_properties, graphics_methods, {}},
    // Project objects the image may carry; until their subsystems exist they
    // only hold the words of their descriptors.
    {"Movie", "ZTMovie", "", 20, {}, {}, {}},
    {"Sound", "ZTSound", "", 24, {}, {}, {}},
    {"MouseCursor", "ZTMouseCursor", "", mouse_cursor_fields::instance_size, {}, {}, {}},
    {"Database", "ZTDatabase", "", 28, {}, {}, {}},
    // Named by the events of windows and the application; drag and drop and
    // the events of another platform have no members here.
    {"DragItem", "ZTDragItem", "", 24, {}, {}, {}},
    {"AppleEvent", "ZTAppleEvent", "", 24, {}, {}, {}},
    // Exceptions.
    {"RuntimeException", "ZTRuntimeException", "", 24, {}, {}, {}},
    {"NilObjectException", "ZTNilObjectException", "RuntimeException", 24, {}, {}, {}},
    {"OutOfBoundsException", "ZTOutOfBoundsException", "RuntimeException", 24, {}, {}, {}},
    {"IllegalCastException", "ZTIllegalCastException", "RuntimeException", 24, {}, {}, {}},
    {"stackOverflowException", "ZTStackOverflowException", "RuntimeException", 24, {}, {}, {}},
    {"typeMismatchException", "ZTTypeMismatchException", "RuntimeException", 24, {}, {}, {}},
    {"EndException", "ZTEndException", "RuntimeException", 24, {}, {}, {}},
};

}  // namespace zif
