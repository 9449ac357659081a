// The properties and methods of the device classes: Clipboard, PrinterSetup
// and Screen, and the application's MouseCursor.
#pragma once

#include "runtime/interface/declarations.h"
#include "runtime/interface/device_layout.h"

namespace zif {

inline constexpr PropertyDecl clipboard_properties[] = {
    {"Text", "String", "clipboardTextGetter", "clipboardTextSetter", 0},
    {"Picture", "Picture", "clipboardPictureGetter", "clipboardPictureSetter", 0},
};

inline constexpr MethodDecl clipboard_methods[] = {
    {"SetText(text As String)", "clipboardSetText"},
    {"TextAvailable() As Boolean", "clipboardTextAvailable"},
    {"PictureAvailable() As Boolean", "clipboardPictureAvailable"},
    {"MacData(macType As String) As String", "clipboardMacData"},
    {"MacDataAvailable(macType As String) As Boolean", "clipboardMacDataAvailable"},
    {"AddMacData(data As String, macType As String)", "clipboardAddMacData"},
    {"Close()", "clipboardClose"},
};

// One getter serves the ten measurements, told apart by the parameter word.
enum PrinterMeasurement : std::int32_t {
  vertical_resolution,
  horizontal_resolution,
  printable_left,
  printable_top,
  printable_width,
  printable_height,
  page_left,
  page_top,
  page_width,
  page_height,
};

inline constexpr PropertyDecl printer_setup_properties[] = {
    {"SetupString", "String", "printerSetupStringGetter", "printerSetupStringSetter", 0},
    {"VerticalResolution", "Integer", "printerSetupInfoGetter", "", vertical_resolution},
    {"HorizontalResolution", "Integer", "printerSetupInfoGetter", "", horizontal_resolution},
    {"Left", "Integer", "printerSetupInfoGetter", "", printable_left},
    {"Top", "Integer", "printerSetupInfoGetter", "", printable_top},
    {"Width", "Integer", "printerSetupInfoGetter", "", printable_width},
    {"Height", "Integer", "printerSetupInfoGetter", "", printable_height},
    {"PageLeft", "Integer", "printerSetupInfoGetter", "", page_left},
    {"PageTop", "Integer", "printerSetupInfoGetter", "", page_top},
    {"PageWidth", "Integer", "printerSetupInfoGetter", "", page_width},
    {"PageHeight", "Integer", "printerSetupInfoGetter", "", page_height},
};

inline constexpr MethodDecl printer_setup_methods[] = {
    {"PageSetup() As Boolean", "printerSetupPageSetup"},
};

inline constexpr PropertyDecl screen_properties[] = {
    {"Left", "Integer", "screenLeftGetter", "", 0},
    {"Top", "Integer", "screenTopGetter", "", 0},
    {"Width", "Integer", "screenWidthGetter", "", 0},
    {"Height", "Integer", "screenHeightGetter", "", 0},
    {"Depth", "Integer", "screenDepthGetter", "", 0},
};

inline constexpr PropertyDecl application_properties[] = {
    {"MouseCursor", "MouseCursor", "", "appMouseCursorSetter", 0},
};

}  // namespace zif
