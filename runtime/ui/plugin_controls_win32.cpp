// Plug-in controls on screen: the pane a plug-in control's class builds when
// it answers CreatePane, which has the plug-in draw the control into its
// window's paint, and the routines the plug-ins' drawing calls.
#include "runtime/core/plugin_registry.h"
#include "runtime/core/pointer_words.h"
#include "runtime/graphics/graphics_objects_win32.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/native_window.h"
#include "runtime/ui/plugin_controls.h"
#include "runtime/ui/system_pane_win32.h"
#include "runtime/ui/window_object.h"

namespace zrt {
namespace {

// The window's paint context, lent to the graphics the plug-in draws with.
class PaintTarget final : public DrawingTarget {
 public:
  PaintTarget(HWND window, HDC context) : m_window(window), m_context(context) {}

  HDC acquire_context() override { return m_context; }
  void release_context(HDC) override {}
  int width() const override { return client().right; }
  int height() const override { return client().bottom; }

 private:
  RECT client() const {
    RECT area{};
    ::GetClientRect(m_window, &area);
    return area;
  }

  HWND m_window;
  HDC m_context;
};

class PluginControlPane final : public SystemPane {
 public:
  PluginControlPane(ZObject* control, HWND root, const zplug::ControlBehaviour& behaviour)
      : SystemPane(control, ControlFields(control).bounds(), root, root, POINT{0, 0}), m_behaviour(behaviour) {}

  void paint_into_window(HDC context) override {
    if (m_behaviour.draw == nullptr) return;
    PaintTarget target(root(), context);
    const ObjectRef graphics = ObjectRef::adopt(new_graphics(target));
    m_behaviour.draw(control(), graphics.get());
    cut_graphics_off(graphics.get());
  }

 private:
  const zplug::ControlBehaviour& m_behaviour;
};

// Answers CreatePane for every plug-in control class.
void create_plugin_pane(ZObject* control) {
  const zplug::ControlDefinition* definition = plugin_control_of(class_of(control));
  ZObject* window = ControlFields(control).window();
  const NativeWindow* native = window != nullptr ? WindowFields(window).native() : nullptr;
  if (definition == nullptr || definition->behaviour == nullptr || native == nullptr) return;
  if (definition->behaviour->initialise != nullptr) definition->behaviour->initialise(control);
  ControlFields(control).set_pane(
      new PluginControlPane(control, static_cast<HWND>(native->handle), *definition->behaviour));
}

}  // namespace

CodeAddress plugin_pane_routine() { return word_of_pointer(reinterpret_cast<const void*>(&create_plugin_pane)); }

}  // namespace zrt

extern "C" {

void GetControlBounds(ZObject* control, void* rectangle) {
  if (control == nullptr || rectangle == nullptr) return;
  const zrt::Bounds bounds = zrt::ControlFields(control).bounds();
  auto* words = static_cast<std::int16_t*>(rectangle);
  words[0] = bounds.top;
  words[1] = bounds.left;
  words[2] = bounds.bottom;
  words[3] = bounds.right;
}

std::uint32_t ZOLTGraphicsDC(ZObject* graphics) {
  zrt::DrawingPort* port = zrt::port_of(graphics);
  return port == nullptr ? 0 : zrt::word_of_pointer(port->prepare());
}

}  // extern "C"
