// Exported routines of the device classes: the clipboard, printing, screens
// and mouse cursors, and the built-in functions that call them. Getters take
// the object and the property's parameter word, setters also the value.
#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl device_routines[] = {
    // Clipboard.
    {"clipboardTextGetter", 's', "oi"},
    {"clipboardTextSetter", 'v', "ois"},
    {"clipboardSetText", 'v', "os"},
    {"clipboardTextAvailable", 'b', "o"},
    {"clipboardPictureGetter", 'o', "oi"},
    {"clipboardPictureSetter", 'v', "oio"},
    {"clipboardPictureAvailable", 'b', "o"},
    {"clipboardMacData", 's', "os"},
    {"clipboardMacDataAvailable", 'b', "os"},
    {"clipboardAddMacData", 'v', "oss"},
    {"clipboardClose", 'v', "o"},
    // Printing.
    {"printerSetupPageSetup", 'b', "o"},
    {"RuntimeOpenPrinterDialog", 'o', "o"},
    {"RuntimeOpenPrinter", 'o', "o"},
    {"printerSetupInfoGetter", 'i', "oi"},
    {"printerSetupStringGetter", 's', "oi"},
    {"printerSetupStringSetter", 'v', "ois"},
    // Screens.
    {"getScreenCount", 'i', ""},
    {"getScreen", 'o', "i"},
    {"screenLeftGetter", 'i', "oi"},
    {"screenTopGetter", 'i', "oi"},
    {"screenWidthGetter", 'i', "oi"},
    {"screenHeightGetter", 'i', "oi"},
    {"screenDepthGetter", 'i', "oi"},
    // Mouse cursors.
    {"getArrowCursor", 'o', ""},
    {"getWatchCursor", 'o', ""},
    {"getIBeamCursor", 'o', ""},
    {"appMouseCursorSetter", 'v', "oio"},
};

inline constexpr BuiltinDecl device_builtins[] = {
    {"OpenPrinterDialog", "RuntimeOpenPrinterDialog", "Graphics"},
    {"OpenPrinter", "RuntimeOpenPrinter", "Graphics"},
    {"Screen", "getScreen", "Screen"},
    {"ScreenCount", "getScreenCount"},
    {"ArrowCursor", "getArrowCursor", "MouseCursor"},
    {"WatchCursor", "getWatchCursor", "MouseCursor"},
    {"IBeamCursor", "getIBeamCursor", "MouseCursor"},
};

}  // namespace zif
