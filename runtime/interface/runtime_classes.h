// The runtime's own classes: names, internal names, instance sizes and
// superclasses. Compiled subclasses place their fields right after these
// instance sizes, so the sizes are fixed. The subsystems that implement a
// class add its properties, methods and events here as they come.
#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

// Members of the drawing classes. Parameter words are 0: each accessor serves
// one property.
inline constexpr PropertyDecl graphics_properties[] = {
    {"ForeColor", "Color", "graphicsForeColorGetter", "graphicsForeColorSetter", 0},
    {"TextFont", "String", "graphicsTextFontGetter", "graphicsTextFontSetter", 0},
    {"TextSize", "Integer", "graphicsTextSizeGetter", "graphicsTextSizeSetter", 0},
    {"Bold", "Boolean", "graphicsBoldGetter", "graphicsBoldSetter", 0},
    {"Italic", "Boolean", "graphicsItalicGetter", "graphicsItalicSetter", 0},
    {"Underline", "Boolean", "graphicsUnderlineGetter", "graphicsUnderlineSetter", 0},
    {"PenWidth", "Integer", "graphicsPenWidthGetter", "graphicsPenWidthSetter", 0},
    {"PenHeight", "Integer", "graphicsPenHeightGetter", "graphicsPenHeightSetter", 0},
    {"Width", "Integer", "graphicsWidthGetter", "", 0},
    {"Height", "Integer", "graphicsHeightGetter", "", 0},
    {"Copies", "Integer", "graphicsCopiesGetter", "", 0},
    {"FirstPage", "Integer", "graphicsFirstPageGetter", "", 0},
    {"LastPage", "Integer", "graphicsLastPageGetter", "", 0},
};

inline constexpr MethodDecl graphics_methods[] = {
    {"DrawLine(x1 As Integer, y1 As Integer, x2 As Integer, y2 As Integer)", "RuntimeGraphicsDrawLine"},
    {"DrawRect(x As Integer, y As Integer, width As Integer, height As Integer)", "RuntimeGraphicsDrawRect"},
    {"FillRect(x As Integer, y As Integer, width As Integer, height As Integer)", "RuntimeGraphicsFillRect"},
    {"ClearRect(x As Integer, y As Integer, width As Integer, height As Integer)", "RuntimeGraphicsClearRect"},
    {"DrawOval(x As Integer, y As Integer, width As Integer, height As Integer)", "RuntimeGraphicsDrawOval"},
    {"FillOval(x As Integer, y As Integer, width As Integer, height As Integer)", "RuntimeGraphicsFillOval"},
    {"DrawRoundRect(x As Integer, y As Integer, width As Integer, height As Integer, ovalWidth As Integer, "
     "ovalHeight As Integer)",
     "RuntimeGraphicsDrawRoundRect"},
    {"FillRoundRect(x As Integer, y As Integer, width As Integer, height As Integer, ovalWidth As Integer, "
     "ovalHeight As Integer)",
     "RuntimeGraphicsFillRoundRect"},
    {"DrawString(text As String, x As Integer, y As Integer, wrapWidth As Integer)", "RuntimeGraphicsDrawString"},
    {"StringWidth(text As String) As Integer", "RuntimeGraphicsStringWidth"},
    {"TextHeight() As Integer", "RuntimeGraphicsTextHeight"},
    {"TextAscent() As Integer", "RuntimeGraphicsTextAscent"},
    {"DrawPicture(image As Picture, x As Integer, y As Integer, width As Integer, height As Integer, "
     "sourceX As Integer, sourceY As Integer, sourceWidth As Integer, sourceHeight As Integer)",
     "RuntimeGraphicsDrawPicture"},
    {"Pixel(x As Integer, y As Integer) As Color", "graphicsPixelGetter"},
    {"SetPixel(x As Integer, y As Integer, value As Color)", "graphicsPixelSetter"},
    {"NextPage()", "RuntimeGraphicsNextPage"},
    {"DrawStopIcon(x As Integer, y As Integer)", "graphicsDrawStopIcon"},
    {"DrawNoteIcon(x As Integer, y As Integer)", "graphicsDrawNoteIcon"},
    {"DrawCautionIcon(x As Integer, y As Integer)", "graphicsDrawCautionIcon"},
};

inline constexpr PropertyDecl picture_properties[] = {
    {"Width", "Integer", "pictureWidthGetter", "", 0},
    {"Height", "Integer", "pictureHeightGetter", "", 0},
    {"Graphics", "Graphics", "pictureGraphicsGetter", "", 0},
    {"Transparent", "Integer", "pictureTransparentGetter", "pictureTransparentSetter", 0},
    {"Mask", "Picture", "pictureMaskGetter", "", 0},
    {"ImageCount", "Integer", "pictureImageCountGetter", "", 0},
};

inline constexpr MethodDecl picture_methods[] = {
    {"IndexedImage(index As Integer) As Picture", "pictureIndexedImage"},
};

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
    {"Picture", "ZTPicture", "", 40, picture_properties, picture_methods, {}},
    {"Graphics", "ZTGraphics", "", 40, graphics_properties, graphics_methods, {}},
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
