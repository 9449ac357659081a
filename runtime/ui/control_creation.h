// Creating a window's controls from the control part of its definition, and
// the steps of a window's life that concern its controls: enumeration,
// layout on resize, cloning control-array members and closing.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/ui/definition_stream.h"

#include <cstdint>

namespace zrt {

// Reads the control count and every control entry and creates the controls
// into the window's control table. False, with the stream's error set, when
// the part is malformed; the controls made until then stay in the table so
// that closing the window releases them.
[[nodiscard]] bool create_controls(ZObject* window, DefinitionStream& stream);

// Number of entries of the window's control table that are controls.
[[nodiscard]] std::int32_t control_count(ZObject* window);
// The n-th control from 0 in table order, without a new reference; null
// when there is none.
[[nodiscard]] ZObject* control_at(ZObject* window, std::int32_t n);

// Moves and stretches the controls by their locks after the window's client
// area grew by these amounts.
void lay_out_controls(ZObject* window, std::int32_t width_change, std::int32_t height_change);

// A new member of the control array name, made from its definition record
// and registered under the lowest free index, with a reference for the
// caller; null when the window has no record of that name. The pane and
// Open come from the window side (make_pane) afterwards.
[[nodiscard]] ZObject* clone_control(ZObject* window, std::string_view name);

// Raises Close on every control, releases the controls and frees the table.
void close_controls(ZObject* window);

}  // namespace zrt
