// The system tool-tip control, one per runtime window, created when the
// window's first tool gets a text and destroyed with the window, which owns
// it.
#include "runtime/ui/tool_tips_win32.h"

#include "runtime/core/module_instance.h"

#include <commctrl.h>

namespace zrt {
namespace {

constexpr const char* tool_tip_property = "ZTToolTips";

HWND make_tool_tip_window(HWND root) {
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    return ::InitCommonControlsEx(&controls) != FALSE;
  }();
  if (!initialised) return nullptr;
  HWND tips = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, root, nullptr,
                                static_cast<HINSTANCE>(module_instance()), nullptr);
  if (tips != nullptr) ::SetPropA(root, tool_tip_property, tips);
  return tips;
}

TOOLINFOA tool_of(HWND root, HWND tool, UINT_PTR id) {
  TOOLINFOA info{};
  info.cbSize = sizeof(TOOLINFOA);
  info.hwnd = tool != nullptr ? tool : root;
  info.uId = tool != nullptr ? reinterpret_cast<UINT_PTR>(tool) : id;
  info.uFlags = TTF_SUBCLASS | (tool != nullptr ? TTF_IDISHWND : 0);
  return info;
}

// Adds the tool, or gives the one there its new text and rectangle.
void put_tool(HWND root, TOOLINFOA info, const std::string& text) {
  HWND tips = tool_tip_window_of(root);
  if (tips == nullptr) tips = make_tool_tip_window(root);
  if (tips == nullptr) return;
  info.lpszText = const_cast<char*>(text.c_str());
  TOOLINFOA existing = info;
  existing.lpszText = nullptr;
  if (::SendMessageA(tips, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&existing)) != 0) {
    ::SendMessageA(tips, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    ::SendMessageA(tips, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
  } else {
    ::SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  }
}

}  // namespace

HWND tool_tip_window_of(HWND root) { return static_cast<HWND>(::GetPropA(root, tool_tip_property)); }

void set_handle_tool_tip(HWND root, HWND tool, const std::string& text) {
  if (text.empty()) return remove_tool_tips_of(root, tool, 0);
  put_tool(root, tool_of(root, tool, 0), text);
}

void set_area_tool_tip(HWND root, UINT_PTR id, const RECT& area, const std::string& text) {
  if (text.empty()) return remove_tool_tips_of(root, nullptr, id);
  TOOLINFOA info = tool_of(root, nullptr, id);
  info.rect = area;
  put_tool(root, info, text);
}

void remove_tool_tips_of(HWND root, HWND tool, UINT_PTR id) {
  HWND tips = tool_tip_window_of(root);
  if (tips == nullptr) return;
  TOOLINFOA info = tool_of(root, tool, id);
  ::SendMessageA(tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace zrt
