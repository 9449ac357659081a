// The kinds of plug-in controls: a drawn pane whose drawing is the plug-in's
// draw operation, made after the plug-in's initialisation operation ran.
#include "runtime/ui/plugin_control_kinds.h"

#include "runtime/core/plugin_registry.h"
#include "runtime/ui/control_kinds.h"
#include "runtime/ui/control_panes.h"

#include <deque>

namespace zrt {
namespace {

// Registered kinds must outlive their registration: plug-ins stay loaded.
std::deque<ControlKind>& plugin_kinds() {
  static std::deque<ControlKind> kinds;
  return kinds;
}

const zplug::ControlBehaviour& behaviour_of(const ControlKind& kind) {
  return *static_cast<const zplug::ControlBehaviour*>(kind.data);
}

void draw_plugin_control(ZObject* control, ZObject* graphics, const void* behaviour) {
  static_cast<const zplug::ControlBehaviour*>(behaviour)->draw(control, graphics);
}

Pane* make_plugin_pane(ZObject* control, const ControlKind& kind) {
  if (behaviour_of(kind).initialise != nullptr) behaviour_of(kind).initialise(control);
  return make_drawn_pane(control, kind);
}

void give_kind(ClassRecord& record, const zplug::ControlDefinition& definition) {
  if (definition.behaviour == nullptr) return;
  ControlKind& kind = plugin_kinds().emplace_back();
  kind.class_name = class_name(&record);
  kind.make_pane = &make_plugin_pane;
  kind.draw = definition.behaviour->draw != nullptr ? &draw_plugin_control : nullptr;
  kind.data = definition.behaviour;
  register_control_kind(&record, kind);
}

}  // namespace

void give_plugin_controls_kinds() { for_each_plugin_control(&give_kind); }

}  // namespace zrt
