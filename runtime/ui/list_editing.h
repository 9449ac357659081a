// The user changing cells through their types: a check box turned over by a
// click, and the text of an editable cell typed into the pane's edit field.
// Both report the change with CellAction (row, column). A list bound to a
// source is not edited. Portable: the Win32 pane only shows the field.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/ui/list_pane.h"

#include <cstdint>

namespace zrt {

// Turns the cell's check box over (making the cell when missing), redraws
// the row and raises CellAction.
void toggle_cell_check(ZObject* list, ListPane& pane, std::int32_t row, std::int32_t column);

// Starts editing the cell: it scrolls into view and the pane shows its
// field over it holding the cell's text. A cell being edited is finished
// first, keeping its text. Rows outside the list are not edited.
void edit_cell(ZObject* list, ListPane& pane, std::int32_t row, std::int32_t column);

// Ends the editing, if any. With keep, the field's text becomes the cell's
// and, when it differs, CellAction reports the change; else the cell stays.
void finish_cell_edit(ZObject* list, ListPane& pane, bool keep);

}  // namespace zrt
