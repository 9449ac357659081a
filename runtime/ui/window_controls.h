// Where windows meet the control framework: reading the control part of a
// window definition (controls, then bindings), the control table's queries
// and the steps of laying out, cloning and closing that concern a window's
// controls.
#pragma once

#include "runtime/interface/abi_types.h"
#include "runtime/ui/definition_stream.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace zrt {

// Reads the controls and bindings after the window's own property pairs and
// creates them into the window's control table. False, with the stream's
// error set, when the part is malformed; the controls made until then stay in
// the table so that closing the window releases them. A control of a class
// the image does not hold is read past.
[[nodiscard]] bool read_window_controls(ZObject* window, DefinitionStream& stream);

// Raises CreatePane on every control in table order (the built-in kinds
// build their panes then, when no handler did), and gives each new pane the
// control's Enabled, Visible and tool-tip texts.
void make_control_panes(ZObject* window);
// Raises Open on every control in table order.
void open_window_controls(ZObject* window);

// The entries of the window's control table that are controls, in table
// order, without new references.
[[nodiscard]] std::vector<ZObject*> window_controls_in_order(ZObject* window);
// Number of entries of the window's control table that are controls.
[[nodiscard]] std::int32_t window_control_count(ZObject* window);
// The n-th control from 0 in table order with a new reference, or nil.
[[nodiscard]] ZObject* window_control_at(ZObject* window, std::int32_t n);

// A new member of the control array name, made from its definition record,
// registered under the lowest free index, given its pane and opened, with a
// reference for the caller; null when the window has no record of that name.
[[nodiscard]] ZObject* clone_window_control(ZObject* window, std::string_view name);

// Raises Close on every control and releases the control table; the window's
// own Close follows.
void close_window_controls(ZObject* window);
// Lays the controls out after the client area changed by these amounts.
void lay_out_window_controls(ZObject* window, std::int32_t width_change, std::int32_t height_change);

}  // namespace zrt
