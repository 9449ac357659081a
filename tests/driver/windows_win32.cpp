// Finding windows, reading and setting their texts, clicks and keys.

#include "tests/driver/gui_driver.h"

namespace driver {
namespace {

struct Search {
  std::string_view class_name;
  std::string_view title;
  DWORD process_id;
  HWND found = nullptr;
};

bool matches(HWND window, std::string_view wanted_class, std::string_view wanted_text) {
  return (wanted_class.empty() || class_name(window) == wanted_class) &&
         (wanted_text.empty() || window_text(window) == wanted_text);
}

BOOL CALLBACK visit_top_level(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (!::IsWindowVisible(window) || (search.process_id != 0 && owner != search.process_id)) return TRUE;
  if (!matches(window, search.class_name, search.title)) return TRUE;
  search.found = window;
  return FALSE;
}

BOOL CALLBACK collect_child(HWND window, LPARAM context) {
  reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
  return TRUE;
}

}  // namespace

HWND find_window(std::string_view wanted_class, std::string_view title, DWORD process_id) {
  Search search{wanted_class, title, process_id};
  ::EnumWindows(visit_top_level, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND wait_for_window(std::string_view wanted_class, std::string_view title, DWORD process_id, Timeout timeout) {
  HWND window = nullptr;
  wait_until([&] { return (window = find_window(wanted_class, title, process_id)) != nullptr; }, timeout);
  return window;
}

std::vector<HWND> child_windows(HWND parent) {
  std::vector<HWND> children;
  ::EnumChildWindows(parent, collect_child, reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND find_child(HWND parent, std::string_view wanted_class, std::string_view text) {
  for (HWND child : child_windows(parent))
    if (matches(child, wanted_class, text)) return child;
  return nullptr;
}

std::string window_text(HWND window) {
  // WM_GETTEXT, unlike GetWindowText, also reads controls of other processes.
  const auto length = ::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied = ::SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

std::string class_name(HWND window) {
  char name[256] = {};
  const int length = ::GetClassNameA(window, name, sizeof name);
  return std::string(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

void set_window_text(HWND window, std::string_view text) {
  const std::string terminated(text);
  ::SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

void press_button(HWND button) {
  ::PostMessageA(button, BM_CLICK, 0, 0);
}

void send_key(HWND window, WORD virtual_key) {
  const UINT scan_code = ::MapVirtualKeyA(virtual_key, MAPVK_VK_TO_VSC);
  const LPARAM down = 1 | static_cast<LPARAM>(scan_code) << 16;
  ::PostMessageA(window, WM_KEYDOWN, virtual_key, down);
  const UINT character = ::MapVirtualKeyA(virtual_key, MAPVK_VK_TO_CHAR);
  if (character != 0) ::PostMessageA(window, WM_CHAR, character, down);
  ::PostMessageA(window, WM_KEYUP, virtual_key, down | 0xC0000000);
}

void type_text(HWND window, std::string_view text) {
  for (char character : text) ::PostMessageA(window, WM_CHAR, static_cast<unsigned char>(character), 1);
}

}  // namespace driver
