// The system's open and save dialogs, with the filter list built from the
// application's file-type table. Both are modal; cancelling and every failure
// give Nil without a message.
#include "runtime/core/application.h"
#include "runtime/core/strings.h"
#include "runtime/core/window_hooks.h"
#include "runtime/files/file_types.h"
#include "runtime/files/folder_items.h"
#include "runtime/interface/exports.h"

#include <windows.h>
#include <commdlg.h>

namespace zrt {
namespace {

// The record without the fields later systems added, as every system reads it.
constexpr DWORD k_record_size = 76;
constexpr DWORD k_open_flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
constexpr DWORD k_save_flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;

enum class DialogKind { Open, Save };

// The name box always starts empty; a chosen path longer than the buffer
// makes the dialog fail.
ZObject* run_file_dialog(ZString* type_names, DialogKind kind) {
  const DialogFilter filter = build_dialog_filter(string_text(type_names), application_state().file_types);
  char chosen[256] = "";
  OPENFILENAMEA record{};
  record.lStructSize = k_record_size;
  record.hwndOwner = static_cast<HWND>(window_hooks().owner_window());
  record.lpstrFilter = filter.filter.c_str();
  record.lpstrFile = chosen;
  record.nMaxFile = sizeof(chosen);
  record.Flags = kind == DialogKind::Open ? k_open_flags : k_save_flags;
  if (kind == DialogKind::Save && !filter.default_extension.empty())
    record.lpstrDefExt = filter.default_extension.c_str();
  const BOOL chose = kind == DialogKind::Open ? ::GetOpenFileNameA(&record) : ::GetSaveFileNameA(&record);
  return chose ? new_folder_item(chosen) : nullptr;
}

}  // namespace
}  // namespace zrt

extern "C" {

ZObject* RuntimeGetOpenFolderItem(ZString* type_names) {
  return zrt::run_file_dialog(type_names, zrt::DialogKind::Open);
}

// The default name is not offered: the name box starts empty.
ZObject* RuntimeGetSaveFolderItem(ZString* type_name, ZString*) {
  return zrt::run_file_dialog(type_name, zrt::DialogKind::Save);
}

}
