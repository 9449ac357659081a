// The canvas's pane: a "ZT_Pane" that draws its Backdrop, raises Paint and
// the mouse events with points relative to the canvas, and gives graphics
// objects that draw into it.
#include "runtime/core/events.h"
#include "runtime/graphics/graphics_objects_win32.h"
#include "runtime/graphics/window_target_win32.h"
#include "runtime/ui/control_panes.h"
#include "runtime/ui/system_pane_win32.h"

#include <windowsx.h>

namespace zrt {
namespace {

namespace f = zif::canvas_fields;

class CanvasPane final : public SystemPane {
 public:
  using SystemPane::SystemPane;

  void build() { create_handle("ZT_Pane", "", 0, 0); }

  ZObject* make_graphics() override {
    return new_graphics(std::make_unique<WindowTarget>(handle()), FontRequest{"System", 12});
  }

  ~CanvasPane() override {
    if (ZObject* graphics = ControlFields(control()).reference(f::graphics)) cut_graphics_off(graphics);
  }

  bool handle_message(UINT message, WPARAM, LPARAM lparam, LRESULT& result) override {
    result = 0;
    switch (message) {
      case WM_PAINT: paint(); return true;
      case WM_LBUTTONDOWN: mouse_down(lparam); return true;
      case WM_MOUSEMOVE: if (m_tracking) raise_mouse({"Canvas", "MouseDrag"}, lparam); return true;
      case WM_LBUTTONUP: mouse_up(lparam); return true;
      default: return false;
    }
  }

 private:
  void paint() {
    PAINTSTRUCT paint{};
    ::BeginPaint(handle(), &paint);
    if (visible()) {
      const ObjectRef graphics = ObjectRef::adopt(make_graphics());
      draw_backdrop(graphics.get(), ControlFields(control()).reference(f::backdrop));
      raise_event(control(), {"Canvas", "Paint"}, {word_of_pointer(graphics.get())});
      cut_graphics_off(graphics.get());
    }
    ::EndPaint(handle(), &paint);
  }

  void mouse_down(LPARAM lparam) {
    if (!enabled()) return;
    const HWND own = handle();
    const bool track = raise_boolean_event(control(), {"Canvas", "MouseDown"}, {x_word(lparam), y_word(lparam)});
    if (!track || !::IsWindow(own)) return;
    m_tracking = true;
    ::SetCapture(own);
  }

  void mouse_up(LPARAM lparam) {
    if (!m_tracking) return;
    m_tracking = false;
    ::ReleaseCapture();
    raise_mouse({"Canvas", "MouseUp"}, lparam);
  }

  void raise_mouse(zif::EventName event, LPARAM lparam) {
    raise_event(control(), event, {x_word(lparam), y_word(lparam)});
  }

  // Canvas events carry the point relative to the canvas, as the pane's
  // own messages give it.
  static Word x_word(LPARAM lparam) { return static_cast<Word>(GET_X_LPARAM(lparam)); }
  static Word y_word(LPARAM lparam) { return static_cast<Word>(GET_Y_LPARAM(lparam)); }

  bool m_tracking = false;
};

}  // namespace

Pane* make_canvas_pane(ZObject* control, const ControlKind&) { return build_system_pane<CanvasPane>(control); }

}  // namespace zrt
