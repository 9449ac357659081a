// The runtime's own classes: names, internal names, instance sizes and
// superclasses. Compiled subclasses place their fields right after these
// instance sizes, so the sizes are fixed. The subsystems that implement a
// class add its properties, methods and events here as they come.
#pragma once

#include "runtime/interface/control_members.h"
#include "runtime/interface/declarations.h"

namespace zif {

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
    {"Listbox", "ZTListbox", "RectControl", 524, {}, {}, {}},
    {"Window", "ZTWindow", "", 112, {}, {}, {}},
    {"Dialog", "ZTDialog", "Window", 112, {}, {}, {}},
    {"Applet", "ZTApplet", "Window", 112, {}, {}, {}},
    {"MenuItem", "ZTMenuItem", "", 72, {}, {}, {}},
    {"QuitMenuItem", "ZTQuitMenuItem", "MenuItem", 72, {}, {}, {}},
    // The application and the devices, files and streams.
    {"Application", "ZTApplication", "", 28, {}, {}, {}},
    {"Clipboard", "ZTClipboard", "", 32, {}, {}, {}},
    {"PrinterSetup", "ZTPrinterSetup", "", 32, {}, {}, {}},
    {"FolderItem", "ZTFolderItem", "", 32, {}, {}, {}},
    {"TextOutputStream", "ZTTextOutputStream", "", 32, {}, {}, {}},
    {"TextInputStream", "ZTTextInputStream", "", 1060, {}, {}, {}},
    {"Picture", "ZTPicture", "", 40, {}, {}, {}},
    {"Graphics", "ZTGraphics", "", 40, {}, {}, {}},
    // What a drop on a window or control delivers to DropObject.
    {"DragItem", "ZTDragItem", "", 32, {}, {}, {}},
    // Project objects the image may carry; until their subsystems exist they
    // only hold the words of their descriptors.
    {"Movie", "ZTMovie", "", 20, {}, {}, {}},
    {"Sound", "ZTSound", "", 24, {}, {}, {}},
    {"MouseCursor", "ZTMouseCursor", "", 24, {}, {}, {}},
    {"Database", "ZTDatabase", "", 28, {}, {}, {}},
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
