// The runtime's native object behind a control that is on screen: it owns
// the control's rectangle on the window and, for controls built on a Win32
// control, the Win32 child window. The control framework talks to panes
// only through these operations; each kind of pane implements them.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/ui/placement.h"

#include <cstdint>
#include <string_view>

namespace zrt {

// The state commands a control sends to its pane.
enum PaneCommand : std::int32_t {
  pane_enable = 5,
  pane_disable = 6,
  pane_show = 7,
  pane_hide = 8,
  pane_window_activated = 1000,
  pane_window_deactivated = 1001,
};

class Pane {
 public:
  Pane() = default;
  Pane(const Pane&) = delete;
  Pane& operator=(const Pane&) = delete;
  virtual ~Pane() = default;

  // Bounds are in the window's client coordinates.
  virtual void set_bounds(Bounds bounds, bool redraw) = 0;
  virtual void state_command(std::int32_t command) = 0;
  virtual void set_tool_tips(std::string_view help, std::string_view disabled_help) = 0;
  // Redraws the rectangle (relative to the pane) at once; the whole pane
  // when the rectangle is empty.
  virtual void refresh(Bounds area) = 0;
  virtual void take_focus() = 0;
  // A property of the control that the pane shows changed: the field's
  // offset says which. The pane copies what it needs and redraws.
  virtual void control_changed(std::int32_t field) = 0;
  // A graphics object that draws into the pane, with a reference for the
  // caller; null for panes that give none.
  [[nodiscard]] virtual ZObject* make_graphics() = 0;
  [[nodiscard]] virtual bool enabled() const = 0;
  [[nodiscard]] virtual bool visible() const = 0;
};

}  // namespace zrt
