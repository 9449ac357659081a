// The pane of a kind whose drawing comes from outside the runtime: it has no
// window of its own and, whenever its window is painted, gives the kind's
// drawing a graphics object on the window, in window coordinates.
#include "runtime/core/application.h"
#include "runtime/graphics/graphics_objects_win32.h"
#include "runtime/graphics/window_target_win32.h"
#include "runtime/ui/control_panes.h"
#include "runtime/ui/system_pane_win32.h"

namespace zrt {
namespace {

class DrawnPane final : public SystemPane {
 public:
  DrawnPane(ZObject* control, Bounds bounds, HWND root, HWND parent, POINT origin, const ControlKind& kind)
      : SystemPane(control, bounds, root, parent, origin), m_kind(kind) {}

  void paint_into_window(HDC) override {
    if (m_kind.draw == nullptr) return;
    const ApplicationState& state = application_state();
    const ObjectRef graphics = ObjectRef::adopt(new_graphics(
        std::make_unique<WindowTarget>(root()), FontRequest{state.default_font_name, state.default_font_size}));
    m_kind.draw(control(), graphics.get(), m_kind.data);
    cut_graphics_off(graphics.get());
  }

 private:
  const ControlKind& m_kind;
};

}  // namespace

Pane* make_drawn_pane(ZObject* control, const ControlKind& kind) {
  const std::optional<PaneSite> site = pane_site_of(control);
  if (!site) return nullptr;
  return new DrawnPane(control, ControlFields(control).bounds(), site->root, site->parent, site->origin, kind);
}

}  // namespace zrt
