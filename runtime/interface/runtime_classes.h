// The runtime's own classes: names, internal names, instance sizes and
// superclasses. Compiled subclasses place their fields right after these
// instance sizes, so the sizes are fixed. The subsystems that implement a
// class add its properties, methods and events here as they come.
#pragma once

#include "runtime/interface/declarations.h"

#include "runtime/interface/graphics_members.h"

namespace zif {

inline constexpr ClassDecl runtime_classes[] = {
    // Controls and windows.
    {"Control", "ZTControl", "", 88, {}, {}, {}},
    {"RectControl", "ZTRectControl", "Control", 88, {}, {}, {}},
    {"StaticText", "ZTStaticText", "RectControl", 116, {}, {}, {}},
    {"PushButton", "ZTPushButton", "RectControl", 116, {}, {}, {}},
    {"Canvas", "ZTCanvas", "RectControl", 100, {}, {}, {}},
    {"GroupBox", "ZTGroupBox", "RectControl", 104, {}, {}, {}},
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
    {"Picture", "ZTPicture", "", picture_fields::instance_size, picture_properties, picture_methods, {}},
    {"Graphics", "ZTGraphics", "", graphics_fields::instance_size, graphics_properties, graphics_methods, {}},
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
