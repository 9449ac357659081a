// The language's built-in functions and the runtime routines they call. A
// built-in exists only when its routine is in the runtime's interface; its
// parameters come from the routine's signature.
#pragma once

#include <span>
#include <string_view>

namespace zc {

struct BuiltinFunction {
  std::string_view name;     // as written in programs
  std::string_view routine;  // the runtime routine
  std::string_view result_class;  // for routines that return an object: its class
};

// Mid has two forms, told apart by their number of arguments.
inline constexpr BuiltinFunction k_builtin_functions[] = {
    {"Val", "StringVal", ""},
    {"Str", "StringStr", ""},
    {"Format", "StringFormat", ""},
    {"Len", "StringDBCSLen", ""},
    {"Left", "StringDBCSLeft", ""},
    {"Right", "StringDBCSRight", ""},
    {"Mid", "StringDBCSMid2", ""},
    {"Mid", "StringDBCSMid3", ""},
    {"InStr", "StringDBCSInStr", ""},
    {"Chr", "StringDBCSChr", ""},
    {"LTrim", "runLTrim", ""},
    {"ReplaceAll", "StringReplaceAll", ""},
    {"Round", "RuntimeRound", ""},
    {"Sqrt", "RuntimeSqrt", ""},
    {"Exp", "RuntimeExp", ""},
    {"RGB", "RuntimeRGB", ""},
    {"MsgBox", "RuntimeMsgBox", ""},
    {"Quit", "ApplicationQuit", ""},
    {"GetOpenFolderItem", "RuntimeGetOpenFolderItem", "FolderItem"},
    {"NewPicture", "newPicture", "Picture"},
    {"OpenPrinterDialog", "RuntimeOpenPrinterDialog", "Graphics"},
    {"OpenPrinter", "RuntimeOpenPrinter", "Graphics"},
    {"Screen", "getScreen", "Screen"},
    {"ScreenCount", "getScreenCount", ""},
    {"ArrowCursor", "getArrowCursor", "MouseCursor"},
    {"WatchCursor", "getWatchCursor", "MouseCursor"},
    {"IBeamCursor", "getIBeamCursor", "MouseCursor"},
};

}  // namespace zc
