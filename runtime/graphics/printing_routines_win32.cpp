// The exported printing routines: the print dialog and the settings dialog
// on a PrinterSetup's printer, print jobs with or without asking, the
// printer's measurements and SetupString. A PrinterSetup keeps the device
// mode and device names the dialogs hand back, and frees them with itself.
#include "runtime/core/native_destructors.h"
#include "runtime/core/objects.h"
#include "runtime/core/strings.h"
#include "runtime/core/window_hooks.h"
#include "runtime/graphics/device_names.h"
#include "runtime/graphics/graphics_objects_win32.h"
#include "runtime/graphics/printer_page_win32.h"
#include "runtime/interface/device_layout.h"
#include "runtime/interface/exports.h"

#include <windows.h>
#include <commdlg.h>
#include <winspool.h>

#include <cstdint>
#include <optional>
#include <utility>

namespace {

namespace fields = zif::printer_setup_fields;

HGLOBAL handle_field(ZObject* setup, std::int32_t offset) {
  return reinterpret_cast<HGLOBAL>(static_cast<std::uintptr_t>(*zrt::field_at(setup, offset)));
}

void free_handle(HGLOBAL handle) {
  if (handle != nullptr) ::GlobalFree(handle);
}

void release_setup_handles(ZObject* setup) {
  for (std::int32_t offset : {fields::device_mode, fields::device_names}) {
    free_handle(handle_field(setup, offset));
    *zrt::field_at(setup, offset) = 0;
  }
}

// The setup takes the handles over; blocks it held before and that the
// dialog replaced are freed.
void store_handles(ZObject* setup, HGLOBAL device_mode, HGLOBAL device_names) {
  zrt::set_native_destructor("PrinterSetup", &release_setup_handles);
  const std::pair<std::int32_t, HGLOBAL> stores[] = {{fields::device_mode, device_mode},
                                                     {fields::device_names, device_names}};
  for (auto [offset, handle] : stores) {
    HGLOBAL previous = handle_field(setup, offset);
    if (previous != handle) free_handle(previous);
    *zrt::field_at(setup, offset) = static_cast<zrt::Word>(reinterpret_cast<std::uintptr_t>(handle));
  }
}

// Without any printer the dialogs would only complain; the caller gets its
// failure result at once and no message is shown.
bool any_printer() {
  DWORD needed = 0;
  DWORD count = 0;
  ::EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
  return needed > 0;
}

// The print dialog's record on the setup's printer and settings, if any.
PRINTDLGA dialog_record(ZObject* setup, DWORD flags) {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = static_cast<HWND>(zrt::window_hooks().owner_window());
  if (setup != nullptr) {
    dialog.hDevMode = handle_field(setup, fields::device_mode);
    dialog.hDevNames = handle_field(setup, fields::device_names);
  }
  dialog.Flags = flags;
  dialog.nCopies = 1;
  return dialog;
}

// Runs the dialog. Whatever it answers, the record's handles are the live
// ones afterwards (the dialog may have replaced the setup's): the setup
// keeps them, or without a setup they are freed.
bool run_dialog(ZObject* setup, PRINTDLGA& dialog) {
  const bool confirmed = ::PrintDlgA(&dialog) != FALSE;
  if (setup != nullptr) {
    store_handles(setup, dialog.hDevMode, dialog.hDevNames);
  } else {
    free_handle(dialog.hDevMode);
    free_handle(dialog.hDevNames);
  }
  return confirmed;
}

// A printer's device mode and names, for making contexts: the setup's, or
// the default printer's (kept by the setup when there is one, else freed
// when done).
class PrinterHandles {
 public:
  static std::optional<PrinterHandles> of(ZObject* setup) {
    if (setup != nullptr && handle_field(setup, fields::device_mode) != nullptr)
      return PrinterHandles(handle_field(setup, fields::device_mode), handle_field(setup, fields::device_names), false);
    if (!any_printer()) return std::nullopt;
    PRINTDLGA dialog = dialog_record(nullptr, PD_RETURNDEFAULT);
    if (!::PrintDlgA(&dialog)) return std::nullopt;
    if (setup != nullptr) store_handles(setup, dialog.hDevMode, dialog.hDevNames);
    return PrinterHandles(dialog.hDevMode, dialog.hDevNames, setup == nullptr);
  }

  PrinterHandles(PrinterHandles&& other) noexcept
      : m_mode(std::exchange(other.m_mode, nullptr)), m_names(std::exchange(other.m_names, nullptr)),
        m_owned(other.m_owned) {}
  PrinterHandles& operator=(PrinterHandles&&) = delete;
  ~PrinterHandles() {
    if (!m_owned) return;
    free_handle(m_mode);
    free_handle(m_names);
  }

  // A device context on the printer, or an information context that can
  // only be measured; null when the names cannot be read or the printer
  // refuses.
  HDC make_context(bool information_only) const {
    std::optional<zrt::PrinterNames> names = read_names();
    if (!names) return nullptr;
    const auto* mode = static_cast<const DEVMODEA*>(::GlobalLock(m_mode));
    HDC context = information_only
                      ? ::CreateICA(names->driver.c_str(), names->device.c_str(), names->port.c_str(), mode)
                      : ::CreateDCA(names->driver.c_str(), names->device.c_str(), names->port.c_str(), mode);
    if (mode != nullptr) ::GlobalUnlock(m_mode);
    return context;
  }

 private:
  PrinterHandles(HGLOBAL mode, HGLOBAL names, bool owned) : m_mode(mode), m_names(names), m_owned(owned) {}

  std::optional<zrt::PrinterNames> read_names() const {
    const auto* block = static_cast<const std::uint8_t*>(::GlobalLock(m_names));
    if (block == nullptr) return std::nullopt;
    auto names = zrt::read_device_names({block, ::GlobalSize(m_names)});
    ::GlobalUnlock(m_names);
    return names;
  }

  HGLOBAL m_mode;
  HGLOBAL m_names;
  bool m_owned;
};

struct PageRange {
  std::int32_t copies = 0;
  std::int32_t first_page = 0;
  std::int32_t last_page = 0;
};

// Starts the job on the context and gives its graphics, drawing in points.
ZObject* start_printing(HDC context, const PageRange& range) {
  std::unique_ptr<zrt::PrinterPage> page = zrt::PrinterPage::start_job(context);
  if (page == nullptr) return nullptr;
  ZObject* graphics = zrt::new_graphics(std::move(page), zrt::FontRequest{"System"});
  *zrt::field_at(graphics, zif::graphics_fields::copies) = static_cast<zrt::Word>(range.copies);
  *zrt::field_at(graphics, zif::graphics_fields::first_page) = static_cast<zrt::Word>(range.first_page);
  *zrt::field_at(graphics, zif::graphics_fields::last_page) = static_cast<zrt::Word>(range.last_page);
  return graphics;
}

}  // namespace

extern "C" {

std::int32_t printerSetupPageSetup(ZObject* setup) {
  if (!any_printer()) return 0;
  PRINTDLGA dialog = dialog_record(setup, PD_RETURNDC | PD_NOSELECTION);
  dialog.nMinPage = 1;
  dialog.nMaxPage = 65535;
  const bool confirmed = run_dialog(setup, dialog);
  // Only the settings were asked for: nothing is printed on the context.
  if (dialog.hDC != nullptr) ::DeleteDC(dialog.hDC);
  return confirmed;
}

ZObject* RuntimeOpenPrinterDialog(ZObject* setup) {
  if (!any_printer()) return nullptr;
  PRINTDLGA dialog = dialog_record(setup, PD_RETURNDC | PD_NOSELECTION);
  if (!run_dialog(setup, dialog) || dialog.hDC == nullptr) return nullptr;
  const bool range_chosen = (dialog.Flags & PD_PAGENUMS) != 0;
  return start_printing(dialog.hDC, {dialog.nCopies, range_chosen ? dialog.nFromPage : dialog.nMinPage,
                                     range_chosen ? dialog.nToPage : dialog.nMaxPage});
}

ZObject* RuntimeOpenPrinter(ZObject* setup) {
  const std::optional<PrinterHandles> handles = PrinterHandles::of(setup);
  if (!handles) return nullptr;
  HDC context = handles->make_context(false);
  return context != nullptr ? start_printing(context, {}) : nullptr;
}

std::int32_t printerSetupInfoGetter(ZObject* setup, std::int32_t measurement) {
  if (setup == nullptr) return 0;
  const std::optional<PrinterHandles> handles = PrinterHandles::of(setup);
  if (!handles) return 0;
  HDC context = handles->make_context(true);
  if (context == nullptr) return 0;
  const zrt::PrinterGeometry geometry = zrt::printer_geometry(context);
  ::DeleteDC(context);
  return zrt::printer_measurement(geometry, measurement);
}

// SetupString carries another platform's settings; here it stays empty.
ZString* printerSetupStringGetter(ZObject*, std::int32_t) { return nullptr; }
void printerSetupStringSetter(ZObject*, std::int32_t, ZString*) {}

}
