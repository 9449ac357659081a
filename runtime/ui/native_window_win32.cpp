// Native windows on Win32: top-level windows of class "ZTWindow" built from
// the window object's frame options, the modal stack, showing and hiding,
// pending geometry, background, resizing and the closing sequence.
#include "runtime/ui/native_windows.h"

#include "runtime/core/application.h"
#include "runtime/core/events.h"
#include "runtime/core/memory.h"
#include "runtime/core/module_instance.h"
#include "runtime/ui/frame_table.h"
#include "runtime/ui/menu_bar.h"
#include "runtime/ui/menu_events_win32.h"
#include "runtime/ui/tool_tips_win32.h"
#include "runtime/ui/window_controls.h"
#include "runtime/ui/window_list.h"
#include "runtime/ui/window_object.h"

#include <windows.h>

#include <new>
#include <vector>

namespace zrt {
namespace {

namespace fields = zif::window_fields;

static_assert(window_style::popup == WS_POPUP && window_style::caption == WS_CAPTION &&
                  window_style::border == WS_BORDER && window_style::dialog_frame == WS_DLGFRAME &&
                  window_style::system_menu == WS_SYSMENU && window_style::thick_frame == WS_THICKFRAME &&
                  window_style::minimize_box == WS_MINIMIZEBOX && window_style::maximize_box == WS_MAXIMIZEBOX,
              "the frame table's style bits are the system's");
static_assert(window_style::ex_dialog_modal_frame == WS_EX_DLGMODALFRAME && window_style::ex_topmost == WS_EX_TOPMOST &&
                  window_style::ex_mdi_child == WS_EX_MDICHILD && window_style::ex_tool_window == WS_EX_TOOLWINDOW &&
                  window_style::ex_window_edge == WS_EX_WINDOWEDGE,
              "the frame table's extended style bits are the system's");

HWND handle_of(const NativeWindow& native) { return static_cast<HWND>(native.handle); }

NativeWindow* new_native_record() {
  return new (allocate(sizeof(NativeWindow))) NativeWindow();
}

void free_native_record(NativeWindow* native) {
  native->~NativeWindow();
  release(native, sizeof(NativeWindow));
}

FrameOptions frame_options(const WindowFields& window) {
  return {window.flag(fields::close_box), window.flag(fields::grow_icon), window.flag(fields::zoom_icon)};
}

Bounds client_bounds_of(HWND handle) {
  RECT client{};
  ::GetClientRect(handle, &client);
  POINT origin{0, 0};
  ::ClientToScreen(handle, &origin);
  if (frame_window() != nullptr && ::GetParent(handle) != nullptr) ::ScreenToClient(::GetParent(handle), &origin);
  return {static_cast<std::int16_t>(origin.y), static_cast<std::int16_t>(origin.x),
          static_cast<std::int16_t>(origin.y + client.bottom), static_cast<std::int16_t>(origin.x + client.right)};
}

HWND create_system_window(const WindowFields& window, WindowKind kind) {
  const WindowStyles styles = styles_of_kind(kind, frame_options(window), application_state().multiple_document);
  const Bounds bounds = window.bounds();
  RECT outer{bounds.left, bounds.top, bounds.right, bounds.bottom};
  HMENU menu_bar = menu_bar_for_new_window(kind);
  ::AdjustWindowRectEx(&outer, styles.style, menu_bar != nullptr ? TRUE : FALSE, styles.extended);
  const std::string title(string_text(window.string(fields::title)));
  // FIXME: in multiple-document mode create the window inside the frame
  // window's client area; for now it is owned by the frame instead.
  return ::CreateWindowExA(styles.extended, "ZTWindow", title.c_str(), styles.style, outer.left, outer.top,
                           outer.right - outer.left, outer.bottom - outer.top,
                           static_cast<HWND>(current_owner_window()), menu_bar,
                           static_cast<HINSTANCE>(module_instance()), nullptr);
}

NativeWindow* attach_native_record(ZObject* window, WindowKind kind, HWND handle, Word* variable) {
  const WindowFields fields_of(window);
  NativeWindow* native = new_native_record();
  native->handle = handle;
  native->kind = kind;
  native->desired = fields_of.bounds();
  native->resizable = is_resizable_kind(kind, frame_options(fields_of));
  native->title = StringRef::share(fields_of.string(fields::title));
  native->named_flags.emplace_back(std::string(runtime_view_flag), 1);
  native->instance_variable = variable;
  native->holds_menu_bar = has_menu_bar() && ::GetMenu(handle) == reinterpret_cast<HMENU>(menu_bar_handle());
  ::SetWindowLongPtrA(handle, 0, reinterpret_cast<LONG_PTR>(native));
  // FIXME: register an OLE drop target for the window (RegisterDragDrop);
  // what it receives goes to the application through queue_drop.
  if (is_modal_kind(kind)) push_modal(handle);
  insert_window(*native);
  native->window = ObjectRef::share(window);
  fields_of.set_native(native);
  return native;
}

// Document windows live on their own: the system would destroy those the
// closing window owns along with it, so they pass to its own owner first.
// Other kinds it owns (its dialogs) go with it.
void hand_on_owned_documents(HWND closing) {
  const auto next_owner = reinterpret_cast<LONG_PTR>(::GetWindow(closing, GW_OWNER));
  for (NativeWindow* other = newest_window(); other != nullptr; other = other->next)
    if (is_document_kind(other->kind) && ::GetWindow(handle_of(*other), GW_OWNER) == closing)
      ::SetWindowLongPtrA(handle_of(*other), GWLP_HWNDPARENT, next_owner);
}

// Takes the window off the system and the runtime's lists without events.
void detach_native_record(NativeWindow& native) {
  HWND handle = handle_of(native);
  ::SetWindowLongPtrA(handle, 0, 0);
  remove_modal(handle);
  remove_window(native);
  if (native.destroyed_by_system) return;
  hand_on_owned_documents(handle);
  ::DestroyWindow(handle);
}

// Only while the variable still holds this window: the application may
// have stored another object there since.
void clear_instance_variable(NativeWindow& native) {
  if (native.instance_variable == nullptr) return;
  ZObject* held = pointer_of<ZObject>(*native.instance_variable);
  if (held != native.window.get()) return;
  *native.instance_variable = 0;
  unlock_object(held);
}

void release_native_record(NativeWindow& native) {
  const ObjectRef window = std::move(native.window);
  WindowFields(window.get()).set_native(nullptr);
  free_native_record(&native);
}

}  // namespace

bool build_native_window(ZObject* window, WindowKind kind, DefinitionStream& stream, Word* variable) {
  const WindowFields fields_of(window);
  HWND handle = create_system_window(fields_of, kind);
  if (handle == nullptr) return false;
  NativeWindow& native = *attach_native_record(window, kind, handle, variable);
  if (!fields_of.flag(fields::visible)) hide_native_window(native);
  if (!read_window_controls(window, stream)) {
    // A control part that cannot be read leaves no half-built window.
    close_window_controls(window);
    detach_native_record(native);
    release_native_record(native);
    return false;
  }
  make_control_panes(window);
  if (fields_of.flag(fields::has_back_color)) set_native_background(native, fields_of.value<std::uint32_t>(fields::back_color));
  show_window_tool_tip(native);
  open_window_controls(window);
  ::InvalidateRect(handle, nullptr, TRUE);
  raise_event(window, {"Window", "Open"});
  // A Backdrop needs no preparing: a picture keeps its bitmap ready, and
  // painting draws it as it is.
  if (NativeWindow* still_open = fields_of.native()) request_window_pass(*still_open);
  return true;
}

void close_native_window(NativeWindow& native) {
  if (native.closing) return;
  native.closing = true;
  // The window object outlives the sequence even when the instance variable
  // held the last reference the application had.
  const ObjectRef window = ObjectRef::share(native.window.get());
  close_window_controls(window.get());
  raise_event(window.get(), {"Window", "Close"});
  if (native.holds_menu_bar) ::SetMenu(handle_of(native), nullptr);
  detach_native_record(native);
  clear_instance_variable(native);
  release_native_record(native);
}

void show_native_window(NativeWindow& native) {
  native.shown = true;
  ::ShowWindow(handle_of(native), SW_SHOW);
}

void hide_native_window(NativeWindow& native) {
  ::ShowWindow(handle_of(native), SW_HIDE);
  native.shown = false;
}

void apply_pending_geometry(NativeWindow& native) {
  HWND handle = handle_of(native);
  const Bounds actual = client_bounds_of(handle);
  if (actual == native.desired) return;
  RECT outer{};
  ::GetWindowRect(handle, &outer);
  if (HWND parent = ::GetParent(handle); parent != nullptr && frame_window() != nullptr)
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&outer), 2);
  const int width_change = native.desired.width() - actual.width();
  const int height_change = native.desired.height() - actual.height();
  ::MoveWindow(handle, outer.left + native.desired.left - actual.left, outer.top + native.desired.top - actual.top,
               outer.right - outer.left + width_change, outer.bottom - outer.top + height_change, TRUE);
  // The moves' handlers may have closed the window.
  NativeWindow* moved = window_of_handle(handle);
  if (moved == nullptr) return;
  // The resize handling runs once: here only when the system sent no WM_SIZE.
  const Bounds laid_out = WindowFields(moved->window.get()).last_bounds();
  const Bounds now = client_bounds_of(handle);
  const bool sized_unhandled = laid_out.width() != now.width() || laid_out.height() != now.height();
  if ((width_change != 0 || height_change != 0) && moved->size_changed && sized_unhandled) handle_resize(*moved);
  if (NativeWindow* still_open = window_of_handle(handle)) still_open->size_changed = false;
}

void request_window_pass(NativeWindow& native) { ::PostMessageA(handle_of(native), WM_NULL, 0, 0); }

void run_window_pass() {
  // Resized and Moved handlers may close windows, so the pass walks the
  // window objects it found first and asks each for its native window again.
  std::vector<ObjectRef> windows;
  for (NativeWindow* native = newest_window(); native != nullptr; native = native->next) windows.push_back(native->window);
  for (const ObjectRef& window : windows) {
    if (NativeWindow* native = WindowFields(window.get()).native()) apply_pending_geometry(*native);
    NativeWindow* native = WindowFields(window.get()).native();
    if (native != nullptr && native->shown && !::IsWindowVisible(handle_of(*native))) ::ShowWindow(handle_of(*native), SW_SHOW);
  }
}

void handle_resize(NativeWindow& native) {
  const WindowFields window(native.window.get());
  const Bounds now = client_bounds_of(handle_of(native));
  const Bounds last = window.last_bounds();
  window.set_bounds(now);
  window.set_last_bounds(now);
  // The user's resizing is the new desired size, or the next window pass
  // would undo it.
  native.desired = now;
  lay_out_window_controls(window.object(), now.width() - last.width(), now.height() - last.height());
  raise_event(window.object(), {"Window", "Resized"});
}

void set_native_background(NativeWindow& native, std::uint32_t color) {
  const std::uint32_t system_color = (color & 0x00FF00) | (color & 0xFF) << 16 | (color >> 16 & 0xFF);
  if (system_color != native.background || !native.has_background) ::InvalidateRect(handle_of(native), nullptr, TRUE);
  native.background = system_color;
  native.has_background = true;
}

void clear_native_background(NativeWindow& native) {
  native.has_background = false;
  ::InvalidateRect(handle_of(native), nullptr, TRUE);
}

void show_window_tool_tip(const NativeWindow& native) {
  const std::string text(string_text(WindowFields(native.window.get()).string(fields::balloon_help)));
  HWND handle = handle_of(native);
  set_handle_tool_tip(handle, handle, text);
}

void set_native_title(NativeWindow& native, ZString* title) {
  native.title = StringRef::share(title);
  const std::string text(string_text(title));
  ::SetWindowTextA(handle_of(native), text.c_str());
}

void invalidate_native(NativeWindow& native, const Bounds* client_area) {
  if (client_area == nullptr) {
    ::InvalidateRect(handle_of(native), nullptr, TRUE);
  } else {
    const RECT area{client_area->left, client_area->top, client_area->right, client_area->bottom};
    ::InvalidateRect(handle_of(native), &area, TRUE);
  }
  ::UpdateWindow(handle_of(native));
}

Bounds actual_client_bounds(const NativeWindow& native) {
  return client_bounds_of(handle_of(native));
}

bool is_visible_window(WindowHandle handle) {
  return ::IsWindowVisible(static_cast<HWND>(handle)) != FALSE;
}

WindowHandle current_owner_window() {
  return owner_window(&is_visible_window, frame_window());
}

ScreenSize screen_size() {
  return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

void destroy_remaining_windows() {
  // Destroying an owner destroys the windows it owns: every handle is let
  // go of first, so none of them reaches a record freed here.
  for (NativeWindow* native = newest_window(); native != nullptr; native = native->next)
    ::SetWindowLongPtrA(handle_of(*native), 0, 0);
  while (NativeWindow* native = newest_window()) {
    detach_native_record(*native);
    release_native_record(*native);
  }
  destroy_frame_window();
}

}  // namespace zrt
