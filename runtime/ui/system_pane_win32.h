// Panes on Windows: a pane either owns a Win32 child window (a "ZT_Pane"
// window or a Win32 control) or draws into its window's client area. The
// "ZT_Pane" procedure and the control notifications of both window
// procedures reach panes through the window word or the "ZTInstance"
// property of the handle.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/pane.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace zrt {

class SystemPane : public Pane {
 public:
  // The bounds are in the root window's client coordinates; parent is the
  // Win32 window the pane's handle goes into, at parent_origin.
  SystemPane(ZObject* control, Bounds bounds, HWND root, HWND parent, POINT parent_origin);
  ~SystemPane() override;

  void set_bounds(Bounds bounds, bool redraw) override;
  void state_command(std::int32_t command) override;
  void set_tool_tips(std::string_view help, std::string_view disabled_help) override;
  void refresh(Bounds area) override;
  void take_focus() override;
  void control_changed(std::int32_t field) override;
  ZObject* make_graphics() override { return nullptr; }
  bool enabled() const override { return m_enabled; }

  // What a pane without handle draws into its window, the context's origin
  // at the window's client origin.
  virtual void paint_into_window(HDC) {}
  // Messages of the pane's own "ZT_Pane" window; false leaves them to the
  // default processing.
  virtual bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  // A WM_COMMAND notification of the pane's Win32 control.
  virtual void command(std::int32_t) {}
  // A key pressed in a window of the pane's own that is no pane (such as a
  // list's edit field), before the window's key handling; true when the
  // pane took it.
  virtual bool child_key(WPARAM) { return false; }
  // Whether Tab may move the keyboard focus onto the pane.
  [[nodiscard]] virtual bool accepts_focus() const { return false; }
  // The handle the pointer is over when it is over the pane, null for a
  // pane that draws into its window.
  [[nodiscard]] virtual HWND pointer_handle() const { return m_handle; }

  [[nodiscard]] ZObject* control() const { return m_control; }
  [[nodiscard]] HWND handle() const { return m_handle; }
  [[nodiscard]] HWND root() const { return m_root; }
  [[nodiscard]] Bounds bounds() const { return m_bounds; }
  bool visible() const override { return m_visible; }

 protected:
  // Creates the pane's "ZT_Pane" window, or another class's, with the style
  // bits added to WS_CHILD | WS_VISIBLE.
  HWND create_handle(const char* class_name, const char* text, DWORD style, DWORD extended_style);
  [[nodiscard]] HWND parent() const { return m_parent; }

 private:
  [[nodiscard]] RECT rectangle_in_parent() const;
  void invalidate_in_root(Bounds area) const;
  void show_tool_tip() const;

  ZObject* m_control;
  Bounds m_bounds;
  HWND m_root;
  HWND m_parent;
  POINT m_parent_origin;
  HWND m_handle = nullptr;
  bool m_visible = true;
  bool m_enabled = true;
  std::string m_help;
  std::string m_disabled_help;
};

// Where a control's new pane goes: its window's native window (the root)
// and the Win32 window its handle goes into, at that window's origin in root
// coordinates: the last visible canvas pane with a handle whose rectangle
// holds the control's corners, else the root itself.
struct PaneSite {
  HWND root;
  HWND parent;
  POINT origin;
};

// Nothing when the control's window has no native window.
[[nodiscard]] std::optional<PaneSite> pane_site_of(ZObject* control);

// Makes a pane of the kind P for the control at its site, which P's
// build(), when it has one, completes; null when the window has no native
// window.
template <typename P>
[[nodiscard]] Pane* build_system_pane(ZObject* control) {
  const std::optional<PaneSite> site = pane_site_of(control);
  if (!site) return nullptr;
  auto pane = std::make_unique<P>(control, ControlFields(control).bounds(), site->root, site->parent, site->origin);
  if constexpr (requires { pane->build(); }) pane->build();
  return pane.release();
}

// The "ZT_Pane" window procedure.
LRESULT CALLBACK pane_window_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam);

// A control's pane, or null when it has none.
[[nodiscard]] SystemPane* system_pane_of(ZObject* control);

// The pane that owns a handle (its "ZT_Pane" window or its Win32 control),
// or null.
[[nodiscard]] SystemPane* pane_of_handle(HWND handle);

// The pane whose handle, or a window of whose own (a list's edit field),
// has the keyboard focus; null for none.
[[nodiscard]] SystemPane* focused_system_pane();

// Gives a WM_COMMAND from a Win32 control to the pane that owns it; false
// when the message is not such a notification.
bool route_control_notification(UINT message, WPARAM wparam, LPARAM lparam);

// Draws the window's panes without handle, in table order.
void paint_windowless_panes(ZObject* window, HDC context);

}  // namespace zrt
