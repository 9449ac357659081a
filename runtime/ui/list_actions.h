// What a list box does when its routines or the user change it: selecting
// with the Change event and the selection receivers told, opening and
// closing folders with their events, sorting on a heading click and laying
// the columns out. Portable: the routines and the Win32 pane share it.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/ui/list_pane.h"

#include <cstdint>

namespace zrt {

// Selects the row alone (a row outside the list selects none), redrawing
// the rows that change and, when asked, scrolling the row into view; the
// change is announced and reported.
void select_only(ZObject* list, ListPane& pane, std::int32_t row, bool scroll);
// Adds the row to the selection or takes it out.
void set_row_selected(ZObject* list, ListPane& pane, std::int32_t row, bool selected);
// Selects the rows from the anchor to the row alone (Shift-click); nothing
// changes, and nothing is reported, when they are the selection already.
void select_from_anchor(ZObject* list, ListPane& pane, std::int32_t row);

// The receivers hear that the selection is about to change.
void announce_selection_change(ZObject* list);
// Change, unless one is running already, then every receiver's
// selectionChanged.
void report_selection_change(ZObject* list);

// Opens a collapsed folder (ExpandRow runs with rows added going under it)
// or closes an expanded one (CollapseRow, then its deeper rows go).
void set_row_expanded(ZObject* list, ListPane& pane, std::int32_t row, bool expanded);

// Removes rows, reporting the change when a selected one went; rows removed
// above the first in view take the scroll position with them.
void remove_list_rows(ZObject* list, ListPane& pane, std::int32_t at, std::int32_t count);

// Removes every row, reporting the change when rows were selected.
void empty_list(ZObject* list, ListPane& pane);

// A heading click: SortColumn, and when no handler sorted, the list's own
// sort by blocks, except in a list bound to a source.
void sort_on_heading(ZObject* list, ListPane& pane, std::int32_t column);

// Recomputes the column widths into the list's fields from its width,
// ColumnCount and ColumnWidths.
void lay_out_columns(ZObject* list);

// The width of a column from the list's fields, 0 outside 0..63.
[[nodiscard]] std::int32_t column_width(ZObject* list, std::int32_t column);

// The list's selection receivers, which it holds references on.
void add_selection_receiver(ZObject* list, ZObject* receiver);
void remove_selection_receiver(ZObject* list, ZObject* receiver);
void release_selection_receivers(ZObject* list);

}  // namespace zrt
