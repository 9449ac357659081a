// What the setters of every control kind do: store the value into the
// control's field, then, when the control has a pane, tell the pane which
// field changed (Pane::control_changed), so that a value set before the pane
// exists is the one the pane is built with. A nil control raises
// NilObjectException.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/core/strings.h"

#include <cstdint>

namespace zrt {

void store_string_and_tell(ZObject* control, std::int32_t field, ZString* value);
void store_reference_and_tell(ZObject* control, std::int32_t field, ZObject* value);
// A 16-bit value (TextSize, TextAlign).
void store_short_and_tell(ZObject* control, std::int32_t field, std::int32_t value);
// An 8-bit Boolean.
void store_flag_and_tell(ZObject* control, std::int32_t field, std::int32_t value);
// A 32-bit word; the pane hears of it only when the value changed.
void store_word_and_tell(ZObject* control, std::int32_t field, std::uint32_t value);

}  // namespace zrt
