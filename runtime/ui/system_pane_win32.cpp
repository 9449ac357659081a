#include "runtime/ui/system_pane_win32.h"

#include "runtime/core/module_instance.h"
#include "runtime/ui/native_window.h"
#include "runtime/ui/window_object.h"
#include "runtime/ui/window_controls.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/tool_tips_win32.h"

#include <string>

namespace zrt {
namespace {

constexpr const char* instance_property = "ZTInstance";

}  // namespace

std::optional<PaneSite> pane_site_of(ZObject* control) {
  ZObject* window = ControlFields(control).window();
  const NativeWindow* native = window != nullptr ? WindowFields(window).native() : nullptr;
  if (native == nullptr) return std::nullopt;
  const Bounds bounds = ControlFields(control).bounds();
  PaneSite site{static_cast<HWND>(native->handle), static_cast<HWND>(native->handle), {0, 0}};
  for (ZObject* other : window_controls_in_order(window)) {
    SystemPane* pane = system_pane_of(other);
    if (pane == nullptr || pane->handle() == nullptr || !pane->visible() || !is_canvas(other)) continue;
    const Bounds around = pane->bounds();
    if (encloses(around, bounds)) site = {site.root, pane->handle(), {around.left, around.top}};
  }
  return site;
}

SystemPane* system_pane_of(ZObject* control) { return dynamic_cast<SystemPane*>(ControlFields(control).pane()); }

SystemPane* pane_of_handle(HWND handle) {
  return handle == nullptr ? nullptr : static_cast<SystemPane*>(::GetPropA(handle, instance_property));
}

SystemPane* focused_system_pane() {
  const HWND focus = ::GetFocus();
  if (SystemPane* pane = pane_of_handle(focus)) return pane;
  return focus == nullptr ? nullptr : pane_of_handle(::GetParent(focus));
}

SystemPane::SystemPane(ZObject* control, Bounds bounds, HWND root, HWND parent, POINT parent_origin)
    : m_control(control), m_bounds(bounds), m_root(root), m_parent(parent), m_parent_origin(parent_origin) {}

SystemPane::~SystemPane() {
  remove_tool_tips_of(m_root, pointer_handle(), reinterpret_cast<UINT_PTR>(this));
  if (m_handle == nullptr) {
    invalidate_in_root(m_bounds);
    return;
  }
  if (::GetCapture() == m_handle) ::ReleaseCapture();
  if (::GetFocus() == m_handle) ::SetFocus(m_root);
  ::RemovePropA(m_handle, instance_property);
  ::DestroyWindow(m_handle);
}

HWND SystemPane::create_handle(const char* class_name, const char* text, DWORD style, DWORD extended_style) {
  const RECT area = rectangle_in_parent();
  m_handle = ::CreateWindowExA(extended_style, class_name, text, style | WS_CHILD | WS_VISIBLE, area.left, area.top,
                               area.right - area.left, area.bottom - area.top, m_parent, nullptr,
                               static_cast<HINSTANCE>(module_instance()), nullptr);
  if (m_handle != nullptr) ::SetPropA(m_handle, instance_property, this);
  return m_handle;
}

RECT SystemPane::rectangle_in_parent() const {
  return {m_bounds.left - m_parent_origin.x, m_bounds.top - m_parent_origin.y, m_bounds.right - m_parent_origin.x,
          m_bounds.bottom - m_parent_origin.y};
}

void SystemPane::invalidate_in_root(Bounds area) const {
  const RECT rectangle{area.left, area.top, area.right, area.bottom};
  ::InvalidateRect(m_root, &rectangle, TRUE);
}

void SystemPane::set_bounds(Bounds bounds, bool redraw) {
  const Bounds old = m_bounds;
  m_bounds = bounds;
  if (m_handle != nullptr) {
    const RECT area = rectangle_in_parent();
    ::MoveWindow(m_handle, area.left, area.top, area.right - area.left, area.bottom - area.top, redraw ? TRUE : FALSE);
  } else {
    show_tool_tip();
    if (redraw) {
      invalidate_in_root(old);
      invalidate_in_root(bounds);
    }
  }
}

void SystemPane::state_command(std::int32_t command) {
  switch (command) {
    case pane_enable:
    case pane_disable:
      m_enabled = command == pane_enable;
      if (m_handle != nullptr) ::EnableWindow(m_handle, m_enabled ? TRUE : FALSE);
      show_tool_tip();
      break;
    case pane_show:
    case pane_hide:
      m_visible = command == pane_show;
      if (m_handle != nullptr) ::ShowWindow(m_handle, m_visible ? SW_SHOW : SW_HIDE);
      break;
    default: return;
  }
  if (m_handle == nullptr) invalidate_in_root(m_bounds);
}

void SystemPane::set_tool_tips(std::string_view help, std::string_view disabled_help) {
  m_help.assign(help);
  m_disabled_help.assign(disabled_help);
  show_tool_tip();
}

// The tip follows the pane's state: the disabled text while it is disabled
// (the plain one when it has none).
void SystemPane::show_tool_tip() const {
  const std::string& text = !m_enabled && !m_disabled_help.empty() ? m_disabled_help : m_help;
  if (HWND tool = pointer_handle()) {
    set_handle_tool_tip(m_root, tool, text);
  } else {
    set_area_tool_tip(m_root, reinterpret_cast<UINT_PTR>(this), RECT{m_bounds.left, m_bounds.top, m_bounds.right, m_bounds.bottom},
                      text);
  }
}

void SystemPane::refresh(Bounds area) {
  if (m_handle != nullptr) {
    const bool whole = area == Bounds{};
    const RECT rectangle{area.left, area.top, area.right, area.bottom};
    ::InvalidateRect(m_handle, whole ? nullptr : &rectangle, TRUE);
    ::UpdateWindow(m_handle);
    return;
  }
  const Bounds in_root = area == Bounds{}
                             ? m_bounds
                             : Bounds{static_cast<std::int16_t>(m_bounds.top + area.top),
                                      static_cast<std::int16_t>(m_bounds.left + area.left),
                                      static_cast<std::int16_t>(m_bounds.top + area.bottom),
                                      static_cast<std::int16_t>(m_bounds.left + area.right)};
  invalidate_in_root(in_root);
  ::UpdateWindow(m_root);
}

void SystemPane::take_focus() {
  if (m_handle != nullptr) ::SetFocus(m_handle);
}

void SystemPane::control_changed(std::int32_t) { refresh(Bounds{}); }

bool SystemPane::handle_message(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CALLBACK pane_window_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  if (route_control_notification(message, wparam, lparam)) return 0;
  LRESULT result = 0;
  if (SystemPane* pane = pane_of_handle(handle); pane != nullptr && pane->handle_message(message, wparam, lparam, result))
    return result;
  if (message == WM_ERASEBKGND && (::GetWindowLongA(handle, GWL_EXSTYLE) & WS_EX_TRANSPARENT) == 0) {
    RECT client{};
    ::GetClientRect(handle, &client);
    ::FillRect(reinterpret_cast<HDC>(wparam), &client, ::GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  return ::DefWindowProcA(handle, message, wparam, lparam);
}

bool route_control_notification(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_COMMAND || lparam == 0) return false;
  SystemPane* pane = pane_of_handle(reinterpret_cast<HWND>(lparam));
  if (pane == nullptr) return false;
  pane->command(HIWORD(wparam));
  return true;
}

void paint_windowless_panes(ZObject* window, HDC context) {
  for (ZObject* control : window_controls_in_order(window)) {
    SystemPane* pane = system_pane_of(control);
    if (pane == nullptr || pane->handle() != nullptr || !pane->visible()) continue;
    const int saved = ::SaveDC(context);
    pane->paint_into_window(context);
    ::RestoreDC(context, saved);
  }
}

}  // namespace zrt
