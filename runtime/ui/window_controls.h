// Where windows meet the control framework: reading the control part of a
// window definition (controls, then bindings), the control table's queries
// and the steps of opening, painting, laying out and closing that concern a
// window's controls. Until the control framework exists the control part is
// read and skipped and a window has no controls.
#pragma once

#include "runtime/interface/abi_types.h"
#include "runtime/ui/definition_stream.h"

#include <cstdint>

namespace zrt {

// Reads the controls and bindings after the window's own property pairs and
// creates them. False, with the stream's error set, when the part is malformed.
[[nodiscard]] bool read_window_controls(ZObject* window, DefinitionStream& stream);

// Number of entries of the window's control table that are controls.
[[nodiscard]] std::int32_t window_control_count(ZObject* window);
// The n-th control from 0 in table order with a new reference, or nil.
[[nodiscard]] ZObject* window_control_at(ZObject* window, std::int32_t n);

// Raises Close on every control and releases the control table; the window's
// own Close follows.
void close_window_controls(ZObject* window);
// Lays the controls out after the client area changed by these amounts.
void lay_out_window_controls(ZObject* window, std::int32_t width_change, std::int32_t height_change);

}  // namespace zrt
