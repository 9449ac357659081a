// Raising the pointer events of the controls under the pointer, in the
// window's control order.
#include "runtime/ui/control_mouse_tracking.h"

#include "runtime/core/events.h"
#include "runtime/core/objects.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/window_controls.h"

#include <vector>

namespace zrt {
namespace {

namespace fields = zif::control_fields;

// Handlers may close the window, which releases its controls: the pass
// holds them until it is done.
std::vector<ObjectRef> held_controls(ZObject* window) {
  std::vector<ObjectRef> controls;
  for (ZObject* control : window_controls_in_order(window)) controls.push_back(ObjectRef::share(control));
  return controls;
}

bool pointer_over(const ControlFields& control, std::int32_t x, std::int32_t y) {
  const Pane* pane = control.pane();
  const Bounds b = control.bounds();
  return pane != nullptr && pane->visible() && x >= b.left && x < b.right && y >= b.top && y < b.bottom;
}

void exit_if_inside(ZObject* control) {
  const ControlFields fields_of(control);
  if (!fields_of.flag(fields::mouse_inside)) return;
  fields_of.set_flag(fields::mouse_inside, false);
  raise_event(control, {"RectControl", "MouseExit"});
}

Word coordinate(std::int32_t value) { return static_cast<Word>(value); }

void move_over(ZObject* control, std::int32_t x, std::int32_t y) {
  const ControlFields fields_of(control);
  if (!fields_of.flag(fields::mouse_inside)) {
    fields_of.set_flag(fields::mouse_inside, true);
    raise_event(control, {"RectControl", "MouseEnter"});
  }
  const Bounds b = fields_of.bounds();
  if (is_canvas(control))
    raise_event(control, {"RectControl", "MouseMove"}, {coordinate(x - b.left), coordinate(y - b.top)});
  else
    raise_event(control, {"RectControl", "MouseMove"}, {coordinate(x), coordinate(y)});
}

}  // namespace

void track_pointer_over_controls(ZObject* window, std::int32_t x, std::int32_t y) {
  const std::vector<ObjectRef> controls = held_controls(window);
  for (const ObjectRef& control : controls)
    if (!pointer_over(ControlFields(control.get()), x, y)) exit_if_inside(control.get());
  for (const ObjectRef& control : controls)
    if (pointer_over(ControlFields(control.get()), x, y)) move_over(control.get(), x, y);
}

void pointer_left_controls(ZObject* window) {
  for (const ObjectRef& control : held_controls(window)) exit_if_inside(control.get());
}

ZObject* cursor_of_control_at(ZObject* window, std::int32_t x, std::int32_t y) {
  ZObject* cursor = nullptr;
  for (ZObject* object : window_controls_in_order(window)) {
    const ControlFields control(object);
    if (ZObject* own = control.reference(fields::mouse_cursor); own != nullptr && pointer_over(control, x, y))
      cursor = own;
  }
  return cursor;
}

}  // namespace zrt
