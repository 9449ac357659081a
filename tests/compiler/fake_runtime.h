// A small runtime interface of the same shape as the runtime's own tables,
// for checker tests that must not depend on how far those tables are filled.
#pragma once

#include "compiler/runtime_interface.h"

namespace test {

inline const zc::RuntimeInterface& fake_runtime() {
  static constexpr zif::RoutineDecl k_routines[] = {
      {"StringDBCSChr", 's', "i"},     {"StringDBCSLen", 'i', "s"},   {"StringDBCSMid2", 's', "si"},
      {"StringDBCSMid3", 's', "sii"},  {"RuntimeMsgBox", 'v', "s"},   {"StringVal", 'd', "s"},
      {"RuntimeGetOpenFolderItem", 'o', "s"}, {"RuntimeRGB", 'c', "iii"}, {"StringDBCSLeft", 's', "si"},
      {"graphicsPixelGetter", 'c', "oii"}, {"graphicsPixelSetter", 'v', "oiic"}, {"folderChildGetter", 'o', "os"},
  };
  static constexpr zif::BuiltinDecl k_builtins[] = {
      {"Chr", "StringDBCSChr"}, {"Len", "StringDBCSLen"},  {"Mid", "StringDBCSMid2"},
      {"Mid", "StringDBCSMid3"}, {"MsgBox", "RuntimeMsgBox"}, {"Val", "StringVal"},
      {"GetOpenFolderItem", "RuntimeGetOpenFolderItem", "FolderItem"}, {"RGB", "RuntimeRGB"},
      {"Left", "StringDBCSLeft"},
  };
  static constexpr zif::PropertyDecl k_window_properties[] = {
      {"Title", "String", "windowTitleGetter", "windowTitleSetter", 0},
      {"Left", "Integer", "windowPosGetter", "windowPosSetter", 0},
      {"Width", "Integer", "windowPosGetter", "windowPosSetter", 2},
      {"Visible", "Boolean", "WindowVisibleGetter", "WindowVisibleSetter", 0},
      {"BackColor", "Color", "windowBackColorGetter", "windowBackColorSetter", 0},
      {"Backdrop", "Picture", "windowBackdropGetter", "windowBackdropSetter", 0},
      {"ControlCount", "Integer", "windowControlCountGetter", "", 0},
  };
  static constexpr zif::MethodDecl k_window_methods[] = {{"Close()", "RuntimeCloseWindow"}};
  static constexpr zif::EventDecl k_window_events[] = {
      {"Open", "", "", 0},
      {"MouseDown", "X As Integer, Y As Integer", "Boolean", 501},
      {"Paint", "g As Graphics", "", 0},
  };
  static constexpr zif::PropertyDecl k_control_properties[] = {
      {"Left", "Integer", "controlPosGetter", "controlPosSetter", 0},
      {"Enabled", "Boolean", "controlEnabledGetter", "controlEnabledSetter", 12},
  };
  static constexpr zif::PropertyDecl k_button_properties[] = {
      {"Caption", "String", "buttonCaptionGetter", "buttonCaptionSetter", 0},
  };
  static constexpr zif::EventDecl k_button_events[] = {{"Action", "", "", 0}};
  static constexpr zif::PropertyDecl k_graphics_properties[] = {
      {"Pixel", "Color", "graphicsPixelGetter", "graphicsPixelSetter", 0, "x As Integer, y As Integer"},
  };
  static constexpr zif::MethodDecl k_graphics_methods[] = {
      {"DrawLine(x1 As Integer, y1 As Integer, x2 As Integer, y2 As Integer)", "RuntimeGraphicsDrawLine"},
      {"TextWidth(text As String) As Integer", "graphicsTextWidth"},
  };
  static constexpr zif::PropertyDecl k_folder_properties[] = {
      {"Name", "String", "folderNameGetter", "folderNameSetter", 0},
      {"Exists", "Boolean", "folderExistsGetter", "", 0},
      {"Child", "FolderItem", "folderChildGetter", "", 0, "name As String"},
  };
  static const zc::RuntimeInterface k_interface{
      {std::begin(k_routines), std::end(k_routines)},
      {
          {"Window", "ZTWindow", "", 112, k_window_properties, k_window_methods, k_window_events},
          {"Dialog", "ZTDialog", "Window", 112, {}, {}, {}},
          {"Applet", "ZTApplet", "Window", 112, {}, {}, {}},
          {"Control", "ZTControl", "", 88, k_control_properties, {}, {}},
          {"PushButton", "ZTPushButton", "Control", 116, k_button_properties, {}, k_button_events},
          {"Picture", "ZTPicture", "", 40, {}, {}, {}},
          {"Graphics", "ZTGraphics", "", 40, k_graphics_properties, k_graphics_methods, {}},
          {"FolderItem", "ZTFolderItem", "", 40, k_folder_properties, {}, {}},
          {"Application", "ZTApplication", "", 28, {}, {}, {}},
          {"MenuItem", "ZTMenuItem", "", 72, {}, {}, {}},
          {"QuitMenuItem", "ZTQuitMenuItem", "MenuItem", 72, {}, {}, {}},
          {"RuntimeException", "ZTRuntimeException", "", 28, {}, {}, {}},
          {"NilObjectException", "ZTNilObjectException", "RuntimeException", 28, {}, {}, {}},
      },
      {std::begin(k_builtins), std::end(k_builtins)}};
  return k_interface;
}

}  // namespace test
