// A window's controls: created from the control part of its definition
// (controls, then bindings), given their panes and opened, enumerated in
// table order, laid out by their locks, cloned as control-array members and
// released when the window closes.
#include "runtime/ui/window_controls.h"

#include "runtime/core/events.h"
#include "runtime/core/name_equality.h"
#include "runtime/core/native_destructors.h"
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/control_kinds.h"
#include "runtime/ui/control_table.h"
#include "runtime/ui/property_values.h"
#include "runtime/ui/window_object.h"

#include <vector>

namespace zrt {
namespace {

namespace fields = zif::control_fields;

// A control's fields before its properties are set: its window, and for a
// Control the creation flags and its window's native record. The window
// owns its controls and outlives them, so a control holds no count on it.
void attach_to_window(ZObject* object, ZObject* window, bool cloned) {
  set_native_destructor("Control", &release_control_fields);
  const ControlFields control(object);
  control.set_record(fields::window, window);
  if (!is_control(object)) return;
  control.set_flag(fields::from_definition, true);
  control.set_flag(fields::cloned, cloned);
  control.set_flag(fields::mouse_inside, false);
  control.set_pane(nullptr);
  control.set_record<ZObject>(fields::container, nullptr);
  control.set_value(fields::native_window, WindowFields(window).value<Word>(zif::window_fields::native_window));
}

// The last canvas of the table, in table order, whose bounds enclose the
// control's.
ZObject* enclosing_canvas(const ControlTable& table, ZObject* control) {
  const Bounds bounds = ControlFields(control).bounds();
  ZObject* container = nullptr;
  table.for_each([&](std::string_view, ZObject* candidate) {
    if (candidate != control && is_canvas(candidate) && encloses(ControlFields(candidate).bounds(), bounds))
      container = candidate;
  });
  return container;
}

// Reads one control's property pairs into its definition record and sets
// them on the control; the record keeps the Index and Name they give.
bool read_properties(DefinitionStream& stream, ZObject* control, ControlDefinition& definition) {
  const auto count = stream.read_count("control property count");
  if (!count) return false;
  for (std::int32_t i = 0; i < *count; ++i) {
    const auto pair = stream.read_property_pair();
    if (!pair) return false;
    if (names_equal(pair->name, "Index")) definition.index = integer_of_value_text(pair->value);
    if (names_equal(pair->name, "Name")) definition.name = pair->value;
    definition.properties.emplace_back(pair->name, pair->value);
    set_property_from_text(control, pair->name, pair->value);
  }
  return true;
}

// Controls and the members without pane (timers, sockets) alike keep the
// Index they were registered with.
void register_control(WindowControlState& state, ZObject* control, std::int32_t index, std::string_view key) {
  const ControlFields registered(control);
  if (is_control(control)) registered.set_record(fields::container, enclosing_canvas(state.table, control));
  registered.set_value(fields::key_index, index);
  // Of two controls with one key (a damaged definition) the table keeps the
  // later; the earlier one, held by nothing else, goes.
  if (ZObject* const* replaced = state.table.find(key)) unlock_object(*replaced);
  state.table.insert(key, control);
}

// The pairs of a control whose class the image does not hold are read past:
// the window opens without that control.
bool skip_properties(DefinitionStream& stream) {
  const auto count = stream.read_count("control property count");
  if (!count) return false;
  for (std::int32_t i = 0; i < *count; ++i)
    if (!stream.read_property_pair()) return false;
  return true;
}

bool create_control(ZObject* window, WindowControlState& state, DefinitionStream& stream) {
  const auto class_index = stream.read_integer("control class index");
  if (!class_index) return false;
  ZObject* control = RuntimeNewObject(*class_index);
  if (control == nullptr) return skip_properties(stream);
  attach_to_window(control, window, false);
  ControlDefinition definition{.name = {}, .index = fields::no_index, .record = class_of(control), .properties = {}};
  const bool read = read_properties(stream, control, definition);
  const std::string key = control_key(definition.name, definition.index);
  register_control(state, control, definition.index, key);
  if (read) state.definitions.keep(std::move(definition));
  return read;
}

// Source ordinal, unused text, target ordinal, unused text, binding class
// index, source part name, target part name.
bool skip_binding(DefinitionStream& stream) {
  return stream.read_integer("binding source") && stream.read_text("binding source text") &&
         stream.read_integer("binding target") && stream.read_text("binding target text") &&
         stream.read_integer("binding class index") && stream.read_text("binding source part") &&
         stream.read_text("binding target part");
}


// A control that got a pane shows its stored state there.
void finish_pane(ZObject* control) {
  const ControlFields stored(control);
  Pane* pane = stored.pane();
  if (pane == nullptr) return;
  if (!stored.flag(fields::enabled)) pane->state_command(pane_disable);
  if (!stored.flag(fields::visible)) pane->state_command(pane_hide);
  pane->set_tool_tips(string_text(stored.string(fields::balloon_help)),
                      string_text(stored.string(fields::disabled_balloon_help)));
}

// The kind builds the pane when no CreatePane handler did.
void make_pane(ZObject* control) {
  raise_event(control, {"Control", "CreatePane"});
  const ControlFields made(control);
  const ControlKind* kind = control_kind_of(control);
  if (made.pane() == nullptr && kind != nullptr && kind->make_pane != nullptr)
    made.set_pane(kind->make_pane(control, *kind));
  finish_pane(control);
}

}  // namespace

bool read_window_controls(ZObject* window, DefinitionStream& stream) {
  const auto count = stream.read_count("control count");
  if (!count) return false;
  WindowControlState& state = control_state_for_creation(window);
  for (std::int32_t i = 0; i < *count; ++i)
    if (!create_control(window, state, stream)) return false;
  const auto bindings = stream.read_count("binding count");
  if (!bindings) return false;
  for (std::int32_t i = 0; i < *bindings; ++i)
    if (!skip_binding(stream)) return false;
  return true;
}

std::vector<ZObject*> window_controls_in_order(ZObject* window) {
  std::vector<ZObject*> controls;
  if (WindowControlState* state = control_state(window))
    state->table.for_each([&](std::string_view, ZObject* object) {
      if (is_control(object)) controls.push_back(object);
    });
  return controls;
}

void make_control_panes(ZObject* window) {
  for (ZObject* control : window_controls_in_order(window)) make_pane(control);
}

void open_window_controls(ZObject* window) {
  for (ZObject* control : window_controls_in_order(window)) raise_event(control, {"Control", "Open"});
}

std::int32_t window_control_count(ZObject* window) {
  return static_cast<std::int32_t>(window_controls_in_order(window).size());
}

ZObject* window_control_at(ZObject* window, std::int32_t n) {
  const std::vector<ZObject*> controls = window_controls_in_order(window);
  if (n < 0 || n >= static_cast<std::int32_t>(controls.size())) return nullptr;
  return share_object(controls[static_cast<std::size_t>(n)]);
}

void lay_out_window_controls(ZObject* window, std::int32_t width_change, std::int32_t height_change) {
  for (ZObject* object : window_controls_in_order(window)) {
    const ControlFields control(object);
    const Locks locks = control.locks();
    if (!locks.right && !locks.bottom) continue;
    const Bounds bounds = locked_layout(control.bounds(), locks, width_change, height_change);
    control.set_bounds(bounds);
    if (Pane* pane = control.pane()) pane->set_bounds(bounds, true);
  }
}

ZObject* clone_window_control(ZObject* window, std::string_view name) {
  WindowControlState* state = control_state(window);
  const ControlDefinition* definition = state != nullptr ? state->definitions.find(name) : nullptr;
  if (definition == nullptr) return nullptr;
  ZObject* clone = new_instance(*definition->record);
  attach_to_window(clone, window, true);
  std::int32_t index = fields::no_index;
  std::string key = definition->name + "*0";
  if (definition->index != fields::no_index) {
    index = lowest_free_member_index(state->table, definition->name);
    key = control_key(definition->name, index);
  }
  ZObject* original = find_control(&state->table, control_key(definition->name, definition->index));
  state->table.insert(key, share_object(clone));
  const ControlFields member(clone);
  member.set_value(fields::key_index, index);
  if (is_control(clone) && original != nullptr && is_control(original))
    member.set_value(fields::container, ControlFields(original).value<Word>(fields::container));
  for (const auto& [property, value] : definition->properties) set_property_from_text(clone, property, value);
  // A member without pane (a timer, a socket) keeps its own fields there.
  if (is_control(clone)) {
    ControlFields(clone).set_value(fields::index, index);
    make_pane(clone);
  }
  raise_event(clone, {"Control", "Open"});
  return clone;
}

void close_window_controls(ZObject* window) {
  WindowControlState* state = control_state(window);
  if (state == nullptr) return;
  for (ZObject* control : window_controls_in_order(window)) raise_event(control, {"Control", "Close"});
  // The panes go with the window; a control the application still holds
  // lives on without one.
  for (ZObject* control : window_controls_in_order(window)) {
    delete ControlFields(control).pane();
    ControlFields(control).set_pane(nullptr);
  }
  state->table.for_each([](std::string_view, ZObject* object) { unlock_object(object); });
  discard_control_state(window);
}

}  // namespace zrt
