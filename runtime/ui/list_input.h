// What the mouse and the keys do to a list: the parts of a row act first
// (the folder triangle, check boxes, editable cells), then a double click,
// else the selection; dragging selects the rows passed over and scrolls, or
// with EnableDrag offers the row to DragRow; the keys move the selection.
// Portable: the Win32 pane turns its messages into these calls.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/ui/list_pane.h"

#include <cstdint>
#include <optional>

namespace zrt {

// The modifier bits of a click: Shift extends the selection from the anchor,
// the toggle bit (which the system's mouse messages never set) adds or
// removes the row.
inline constexpr std::uint32_t list_shift_modifier = 0x200;
inline constexpr std::uint32_t list_toggle_modifier = 0x100;
// How far the pointer moves with the button down before a row is dragged.
inline constexpr std::int32_t list_drag_distance = 4;

// A left-button press at a point of the pane, which has taken the focus,
// with the modifier bits and the time of the press in milliseconds. True
// when the list now follows the pointer until the button goes up.
bool press_list(ZObject* list, ListPane& pane, std::int32_t x, std::int32_t y, std::uint32_t modifiers,
                std::uint32_t time, std::uint32_t double_click_time);
// A move with the button down. False when the list no longer follows the
// pointer (a DragRow handler took the row).
bool drag_list(ZObject* list, ListPane& pane, std::int32_t x, std::int32_t y);
void release_list(ListPane& pane);

enum class ListKey { up, down, page_up, page_down, home, end };
// Moves the selection to the row the key leads to and scrolls it into view.
void press_list_key(ZObject* list, ListPane& pane, ListKey key);

}  // namespace zrt
