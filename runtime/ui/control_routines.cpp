// The exported routines of the control framework. Every setter stores into
// the control and, when the control has a pane, passes the change on, so
// values set before the pane exists are the ones it is built with. A nil
// control raises NilObjectException; a nil window finds nothing.
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/control_table.h"
#include "runtime/ui/window_controls.h"
#include "runtime/ui/window_object.h"

namespace zrt {
namespace {

namespace fields = zif::control_fields;

ZObject* fetch_control(ZObject* window, std::string_view key) {
  WindowControlState* state = control_state(window);
  return state != nullptr ? find_control(&state->table, key) : nullptr;
}

std::int32_t boolean_word(bool value) { return value ? 1 : 0; }

std::int32_t flag_of(ZObject* control, std::int32_t offset) {
  return boolean_word(control_fields_of(control).flag(offset));
}

void set_flag(ZObject* control, std::int32_t offset, std::int32_t value) {
  control_fields_of(control).set_flag(offset, value != 0);
}

// Stores the flag and, with a pane, sends the command that matches it.
void set_state_flag(ZObject* control, std::int32_t offset, std::int32_t value, PaneCommand on, PaneCommand off) {
  const ControlFields fields = control_fields_of(control);
  if (Pane* pane = fields.pane()) pane->state_command(value != 0 ? on : off);
  fields.set_flag(offset, value != 0);
}

void pass_tool_tips(const ControlFields& fields) {
  if (Pane* pane = fields.pane())
    pane->set_tool_tips(string_text(fields.string(fields::balloon_help)),
                        string_text(fields.string(fields::disabled_balloon_help)));
}

void set_tool_tip(ZObject* control, std::int32_t offset, ZString* text) {
  const ControlFields fields = control_fields_of(control);
  fields.store_string(offset, text);
  pass_tool_tips(fields);
}

void refresh(ZObject* control, Bounds area) {
  if (Pane* pane = control_fields_of(control).pane()) pane->refresh(area);
}

}  // namespace
}  // namespace zrt

using namespace zrt;

extern "C" {

ZObject* RuntimeControlFetch(ZObject* window, ZString* name) { return fetch_control(window, string_text(name)); }

ZObject* RuntimeControlReference(ZObject* window, ZString* name) {
  return share_object(fetch_control(window, string_text(name)));
}

ZObject* RuntimeControlArrayItemReference(ZObject* window, ZString* name, std::int32_t index) {
  return share_object(fetch_control(window, control_key(string_text(name), index)));
}

// A closed window (no native window) makes no members.
ZObject* RuntimeCloneControlReference(ZObject* window, ZString* name) {
  if (window == nullptr || WindowFields(window).native() == nullptr) return nullptr;
  return clone_window_control(window, string_text(name));
}

std::int32_t ctlPosGetter(ZObject* control, std::int32_t selector) {
  return position_value(control_fields_of(control).bounds(), selector);
}

void ctlPosSetter(ZObject* control, std::int32_t selector, std::int32_t value) {
  const ControlFields fields = control_fields_of(control);
  const Bounds old_bounds = fields.bounds();
  const Bounds new_bounds = with_position_value(old_bounds, selector, value);
  if (new_bounds == old_bounds) return;
  fields.set_bounds(new_bounds);
  if (Pane* pane = fields.pane()) pane->set_bounds(new_bounds, true);
}

std::int32_t controlEnabledGetter(ZObject* control, std::int32_t) { return flag_of(control, fields::enabled); }
void controlEnabledSetter(ZObject* control, std::int32_t, std::int32_t value) {
  set_state_flag(control, fields::enabled, value, pane_enable, pane_disable);
}
std::int32_t controlVisibleGetter(ZObject* control, std::int32_t) { return flag_of(control, fields::visible); }
void ControlVisibleSetter(ZObject* control, std::int32_t, std::int32_t value) {
  set_state_flag(control, fields::visible, value, pane_show, pane_hide);
}

std::int32_t controlLockLeftGetter(ZObject* control, std::int32_t) { return flag_of(control, fields::lock_left); }
void controlLockLeftSetter(ZObject* control, std::int32_t, std::int32_t value) {
  set_flag(control, fields::lock_left, value);
}
std::int32_t controlLockTopGetter(ZObject* control, std::int32_t) { return flag_of(control, fields::lock_top); }
void controlLockTopSetter(ZObject* control, std::int32_t, std::int32_t value) {
  set_flag(control, fields::lock_top, value);
}
std::int32_t controlLockRightGetter(ZObject* control, std::int32_t) { return flag_of(control, fields::lock_right); }
void controlLockRightSetter(ZObject* control, std::int32_t, std::int32_t value) {
  set_flag(control, fields::lock_right, value);
}
std::int32_t controlLockBottomGetter(ZObject* control, std::int32_t) {
  return flag_of(control, fields::lock_bottom);
}
void controlLockBottomSetter(ZObject* control, std::int32_t, std::int32_t value) {
  set_flag(control, fields::lock_bottom, value);
}

void controlBalloonHelpSetter(ZObject* control, std::int32_t, ZString* text) {
  set_tool_tip(control, fields::balloon_help, text);
}
void controlDisabledBalloonHelpSetter(ZObject* control, std::int32_t, ZString* text) {
  set_tool_tip(control, fields::disabled_balloon_help, text);
}

void controlMouseCursorSetter(ZObject* control, std::int32_t, ZObject* cursor) {
  control_fields_of(control).store_reference(fields::mouse_cursor, cursor);
}

ZObject* controlWindowGetter(ZObject* control, std::int32_t) {
  return share_object(control_fields_of(control).window());
}

std::int32_t controlMacHandleGetter(ZObject*, std::int32_t) { return 0; }

void RuntimeControlRefresh(ZObject* control) { refresh(control, Bounds{}); }

void RuntimeControlRefreshRect(ZObject* control, std::int32_t left, std::int32_t top, std::int32_t width,
                               std::int32_t height) {
  const Bounds area{static_cast<std::int16_t>(top), static_cast<std::int16_t>(left),
                    static_cast<std::int16_t>(top + height), static_cast<std::int16_t>(left + width)};
  refresh(control, area);
}

void RuntimeSetFocus(ZObject* control) {
  if (Pane* pane = control_fields_of(control).pane()) pane->take_focus();
}

}  // extern "C"
