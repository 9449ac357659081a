// The top-level window procedure: each message a runtime window receives
// becomes the window's event, its background, its paint or its close.
// Handlers may close the window they run for, so nothing of the record is
// used after an event without finding it again through the handle.
#include "runtime/ui/window_procedure_win32.h"

#include "runtime/core/application.h"
#include "runtime/core/events.h"
#include "runtime/core/objects.h"
#include "runtime/graphics/cursors_win32.h"
#include "runtime/graphics/graphics_objects_win32.h"
#include "runtime/graphics/window_target_win32.h"
#include "runtime/ui/control_mouse_tracking.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/frame_table.h"
#include "runtime/ui/menu_events_win32.h"
#include "runtime/ui/native_windows.h"
#include "runtime/ui/system_pane_win32.h"
#include "runtime/ui/window_controls.h"
#include "runtime/ui/window_list.h"
#include "runtime/ui/window_object.h"

#include <windowsx.h>

#include <utility>

namespace zrt {
namespace {

CurrentMessage g_current;

NativeWindow* record_of(HWND handle) {
  return reinterpret_cast<NativeWindow*>(::GetWindowLongPtrA(handle, 0));
}

Word point_word(int value) { return static_cast<Word>(static_cast<std::int32_t>(value)); }

void record_current_message(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  g_current.handle = handle;
  g_current.message = message;
  g_current.wparam = wparam;
  g_current.lparam = lparam;
  g_current.time = ::GetMessageTime();
  g_current.position = ::GetMessagePos();
}

void on_moved(NativeWindow& native) {
  const ObjectRef window = ObjectRef::share(native.window.get());
  const Bounds bounds = actual_client_bounds(native);
  WindowFields(window.get()).set_bounds(bounds);
  // A move by the user is the new desired position, or the next window
  // pass would move the window back.
  native.desired = bounds;
  raise_event(window.get(), {"Window", "Moved"});
}

void tell_panes(ZObject* window, PaneCommand command) {
  for (ZObject* control : window_controls_in_order(window))
    if (Pane* pane = ControlFields(control).pane()) pane->state_command(command);
}

// A window that becomes active gets the focus back where it was when it
// was deactivated; one that loses activation gives the focus up.
void on_activation(HWND handle, bool active) {
  NativeWindow* native = record_of(handle);
  if (native == nullptr) return;
  const ObjectRef window = native->window;
  native->active = active;
  if (active) {
    raise_event(window.get(), {"Window", "Activate"});
    tell_panes(window.get(), pane_window_activated);
    HWND focus = static_cast<HWND>(std::exchange(native->focus, nullptr));
    if (refocuses_on_activation(native->kind) && focus != nullptr && ::IsChild(handle, focus)) ::SetFocus(focus);
    return;
  }
  HWND focus = ::GetFocus();
  if (focus != nullptr && ::IsChild(handle, focus)) {
    native->focus = focus;
    ::SetFocus(nullptr);
  }
  tell_panes(window.get(), pane_window_deactivated);
  raise_event(window.get(), {"Window", "Deactivate"});
}

void on_paint(HWND handle) {
  PAINTSTRUCT paint{};
  HDC context = ::BeginPaint(handle, &paint);
  // The runtime keeps no palette of its own: it draws in true colour, and on
  // a display of 256 colours or fewer GDI matches each colour to the system's.
  ::SetTextAlign(context, TA_BASELINE);
  if (NativeWindow* native = record_of(handle)) {
    // The graphics draws into the window in the application's default
    // font, and nowhere once the handler is done with it.
    const ApplicationState& state = application_state();
    const ObjectRef graphics = ObjectRef::adopt(new_graphics(
        std::make_unique<WindowTarget>(handle), FontRequest{state.default_font_name, state.default_font_size}));
    draw_backdrop(graphics.get(), WindowFields(native->window.get()).reference(zif::window_fields::backdrop));
    raise_event(native->window.get(), {"Window", "Paint"}, {word_of_pointer(graphics.get())});
    cut_graphics_off(graphics.get());
  }
  if (NativeWindow* native = record_of(handle)) paint_windowless_panes(native->window.get(), context);
  ::EndPaint(handle, &paint);
}

LRESULT on_erase_background(HWND handle, HDC context) {
  const NativeWindow* native = record_of(handle);
  RECT client{};
  ::GetClientRect(handle, &client);
  HBRUSH brush = native != nullptr && native->has_background ? ::CreateSolidBrush(native->background)
                                                            : ::GetSysColorBrush(COLOR_BTNFACE);
  ::FillRect(context, &client, brush);
  if (native != nullptr && native->has_background) ::DeleteObject(brush);
  return 1;
}

// A window that a modal dialog or box has disabled stays until the dialog
// ends, whoever asks: the system's dialogs do not survive their owner going
// in the middle of their work (Wine's file dialog faults on its OK).
void on_close_request(HWND handle) {
  NativeWindow* native = record_of(handle);
  if (native == nullptr || !::IsWindowEnabled(handle)) return;
  const ObjectRef window = ObjectRef::share(native->window.get());
  if (raise_boolean_event(window.get(), {"Window", "CancelClose"})) return;
  if (NativeWindow* still_open = record_of(handle)) close_native_window(*still_open);
}

// The owner of this window is going: the system destroys it without a
// close request, so the closing sequence runs without CancelClose.
void on_destroy(HWND handle) {
  NativeWindow* native = record_of(handle);
  if (native == nullptr || native->closing) return;
  native->destroyed_by_system = true;
  close_native_window(*native);
}

LRESULT on_mouse_activate(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  const WindowHandle modal = first_visible_modal(&is_visible_window);
  if (modal != nullptr && modal != handle) {
    ::MessageBeep(0);
    return MA_NOACTIVATEANDEAT;
  }
  return ::DefWindowProcA(handle, message, wparam, lparam);
}

void on_button_down(HWND handle, WPARAM wparam, LPARAM lparam, bool contextual) {
  NativeWindow* native = record_of(handle);
  if (native == nullptr) return;
  g_current.mouse_modifiers = ((wparam & MK_CONTROL) ? 0x1000u : 0u) + ((wparam & MK_SHIFT) ? 0x200u : 0u);
  g_current.contextual_click = contextual;
  const ObjectRef window = ObjectRef::share(native->window.get());
  const bool track = raise_boolean_event(window.get(), {"Window", "MouseDown"},
                                         {point_word(GET_X_LPARAM(lparam)), point_word(GET_Y_LPARAM(lparam))});
  g_current.contextual_click = false;
  NativeWindow* still_open = record_of(handle);
  if (!track || still_open == nullptr) return;
  still_open->tracking_mouse = true;
  ::SetCapture(handle);
}

void on_button_up(HWND handle, LPARAM lparam) {
  NativeWindow* native = record_of(handle);
  if (native == nullptr || !native->tracking_mouse) return;
  native->tracking_mouse = false;
  ::ReleaseCapture();
  raise_event(native->window.get(), {"Window", "MouseUp"},
              {point_word(GET_X_LPARAM(lparam)), point_word(GET_Y_LPARAM(lparam))});
}

// The tracking limits: the system's defaults, with MinWidth, MinHeight,
// MaxWidth and MaxHeight each replacing its own when it is not 0. Only a
// window the user may resize is held within them.
void on_tracking_limits(HWND handle, MINMAXINFO& limits) {
  const NativeWindow* native = record_of(handle);
  if (native == nullptr || !native->resizable) return;
  const WindowFields window(native->window.get());
  const auto replace = [&](LONG& limit, std::int32_t offset) {
    if (const std::int16_t value = window.value<std::int16_t>(offset); value != 0) limit = value;
  };
  replace(limits.ptMinTrackSize.x, zif::window_fields::min_width);
  replace(limits.ptMinTrackSize.y, zif::window_fields::min_height);
  replace(limits.ptMaxTrackSize.x, zif::window_fields::max_width);
  replace(limits.ptMaxTrackSize.y, zif::window_fields::max_height);
}

// Over the client area: the cursor of the control under the pointer when it
// has one, else the window's (the application's cursor goes before both).
// A control's own cursor ends the processing, or the class cursor of the
// child window under the pointer would replace it.
LRESULT on_set_cursor(NativeWindow& native, HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  if (LOWORD(lparam) != HTCLIENT) return ::DefWindowProcA(handle, message, wparam, lparam);
  ZObject* window = native.window.get();
  POINT pointer{};
  ::GetCursorPos(&pointer);
  ::ScreenToClient(handle, &pointer);
  if (ZObject* control_cursor = cursor_of_control_at(window, pointer.x, pointer.y)) {
    ::SetCursor(cursor_over_window(control_cursor));
    return TRUE;
  }
  ::SetCursor(cursor_over_window(WindowFields(window).reference(zif::window_fields::mouse_cursor)));
  return ::DefWindowProcA(handle, message, wparam, lparam);
}

}  // namespace

const CurrentMessage& current_message() { return g_current; }

LRESULT CALLBACK top_level_window_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  record_current_message(handle, message, wparam, lparam);
  // Plug-in controls are not given the message: their behaviour table
  // (ControlBehaviour) has only initialise and draw, no operation that takes
  // a window message.
  if (route_control_notification(message, wparam, lparam)) return 0;
  NativeWindow* native = record_of(handle);
  if (native == nullptr) return ::DefWindowProcA(handle, message, wparam, lparam);
  switch (message) {
    case WM_MOVE: on_moved(*native); break;
    case WM_SIZE: handle_resize(*native); break;
    case WM_ACTIVATE: on_activation(handle, LOWORD(wparam) != WA_INACTIVE); return 0;
    case WM_MDIACTIVATE:
      on_activation(reinterpret_cast<HWND>(wparam), false);
      on_activation(reinterpret_cast<HWND>(lparam), true);
      break;
    case WM_PAINT: on_paint(handle); break;
    case WM_CLOSE: on_close_request(handle); return 0;
    case WM_DESTROY: on_destroy(handle); break;
    case WM_ERASEBKGND: return on_erase_background(handle, reinterpret_cast<HDC>(wparam));
    case WM_GETMINMAXINFO: on_tracking_limits(handle, *reinterpret_cast<MINMAXINFO*>(lparam)); return 0;
    case WM_SETCURSOR: return on_set_cursor(*native, handle, message, wparam, lparam);
    case WM_MOUSEACTIVATE: return on_mouse_activate(handle, message, wparam, lparam);
    case WM_LBUTTONDOWN: on_button_down(handle, wparam, lparam, false); return 0;
    case WM_RBUTTONDOWN: on_button_down(handle, wparam, lparam, true); return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: on_button_up(handle, lparam); break;
    case WM_INITMENU: on_menu_opening(); return 0;
    case WM_COMMAND:
      // Commands of controls were routed above; what is left comes from a menu.
      if (HIWORD(wparam) == 0 && lparam == 0 && choose_menu_command(LOWORD(wparam))) return 0;
      break;
    // The panes paint their own text and background, so WM_CTLCOLOR* keep the
    // system's answer; WM_QUERYNEWPALETTE has none to realise (see on_paint).
    default: break;
  }
  return ::DefWindowProcA(handle, message, wparam, lparam);
}

}  // namespace zrt
