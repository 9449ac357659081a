// Answering the system's dialogs: message boxes and the common file dialogs.
// Both are dialogs of class "#32770": a message box shows its text in a
// "Static" child, a file dialog has its file-name box as control 1148 and
// its file-type box as control 1136.

#include "tests/driver/gui_driver.h"

namespace driver {
namespace {

constexpr int k_file_name_box = 1148;
constexpr int k_file_type_box = 1136;
constexpr int k_message_text = 0xFFFF;  // the id message boxes give their text

struct DialogSearch {
  DWORD process_id;
  bool want_file_dialog;
  HWND found = nullptr;
};

bool is_file_dialog(HWND dialog) {
  return ::GetDlgItem(dialog, k_file_name_box) != nullptr;
}

BOOL CALLBACK visit_dialog(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<DialogSearch*>(context);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (!::IsWindowVisible(window) || class_name(window) != "#32770") return TRUE;
  if (search.process_id != 0 && owner != search.process_id) return TRUE;
  if (is_file_dialog(window) != search.want_file_dialog) return TRUE;
  search.found = window;
  return FALSE;
}

HWND wait_for_dialog(DWORD process_id, bool want_file_dialog, Timeout timeout) {
  HWND found = nullptr;
  wait_until(
      [&] {
        DialogSearch search{process_id, want_file_dialog};
        ::EnumWindows(visit_dialog, reinterpret_cast<LPARAM>(&search));
        return (found = search.found) != nullptr;
      },
      timeout);
  return found;
}

void wait_until_closed(HWND window, Timeout timeout) {
  wait_until([&] { return !::IsWindow(window) || !::IsWindowVisible(window); }, timeout);
}

std::string narrow(const std::wstring& wide) {
  const int size = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
  return text;
}

std::string message_text(HWND box) {
  if (HWND text = ::GetDlgItem(box, k_message_text)) return window_text(text);
  HWND text = find_child(box, "Static", "");
  return text ? window_text(text) : std::string();
}

}  // namespace

std::optional<std::string> answer_message_box(DWORD process_id, Timeout timeout, int button) {
  HWND box = wait_for_dialog(process_id, false, timeout);
  if (!box) return std::nullopt;
  std::string text = message_text(box);
  ::PostMessageA(box, WM_COMMAND, button, 0);
  // A program may show its next box at once; until this one is gone, the
  // next search would find it again and read it empty.
  wait_until_closed(box, timeout);
  return text;
}

bool choose_file(const std::string& path, DWORD process_id, Timeout timeout) {
  HWND dialog = wait_for_dialog(process_id, true, timeout);
  if (!dialog) return false;
  set_window_text(::GetDlgItem(dialog, k_file_name_box), path);
  ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  return true;
}

bool cancel_file_dialog(DWORD process_id, Timeout timeout) {
  HWND dialog = wait_for_dialog(process_id, true, timeout);
  if (!dialog) return false;
  ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  return true;
}

std::optional<std::vector<std::string>> file_dialog_types(DWORD process_id, Timeout timeout) {
  HWND dialog = wait_for_dialog(process_id, true, timeout);
  if (!dialog) return std::nullopt;
  HWND box = ::GetDlgItem(dialog, k_file_type_box);
  std::vector<std::string> entries;
  const LRESULT count = box ? ::SendMessageA(box, CB_GETCOUNT, 0, 0) : 0;
  // The dialog's combo box keeps wide texts; asked for narrow ones from
  // another process, Wine hands over the wide bytes unconverted.
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring entry(static_cast<std::size_t>(::SendMessageW(box, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
    const LRESULT length = ::SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    entries.push_back(narrow(entry));
  }
  return entries;
}

}  // namespace driver
