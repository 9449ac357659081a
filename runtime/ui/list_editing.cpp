#include "runtime/ui/list_editing.h"

#include "runtime/core/events.h"
#include "runtime/ui/list_binding.h"

#include <utility>

namespace zrt {
namespace {

void report_cell_action(ZObject* list, std::int32_t row, std::int32_t column) {
  raise_event(list, {"Listbox", "CellAction"}, {static_cast<Word>(row), static_cast<Word>(column)});
}

}  // namespace

void toggle_cell_check(ZObject* list, ListPane& pane, std::int32_t row, std::int32_t column) {
  if (!pane.model().holds(row) || is_bound(list)) return;
  ListCell& cell = pane.model().row(row).cell_for_writing(column);
  cell.check = cell.check != 0 ? 0 : 1;
  pane.redraw_row(row);
  report_cell_action(list, row, column);
}

void edit_cell(ZObject* list, ListPane& pane, std::int32_t row, std::int32_t column) {
  if (is_bound(list)) return;
  finish_cell_edit(list, pane, true);
  // A CellAction handler of the cell finished may have removed the row.
  ListModel& model = pane.model();
  if (!model.holds(row)) return;
  model.editing = {row, column};
  pane.scroll_into_view(row);
  const ListCell* cell = model.row(row).cell(column);
  pane.show_edit_field(cell != nullptr ? cell->text.get() : nullptr);
}

void finish_cell_edit(ZObject* list, ListPane& pane, bool keep) {
  ListModel& model = pane.model();
  const ListModel::CellEdit edited = model.editing;
  if (edited.row < 0) return;
  // Ended before the field goes, which may report losing the focus.
  model.editing.row = -1;
  StringRef text = keep ? pane.edit_field_text() : StringRef{};
  pane.hide_edit_field();
  if (!keep || !model.holds(edited.row) || is_bound(list)) return;
  ListCell& cell = model.row(edited.row).cell_for_writing(edited.column);
  if (cell.text.text() == text.text()) return;
  cell.text = std::move(text);
  pane.redraw_row(edited.row);
  report_cell_action(list, edited.row, edited.column);
}

}  // namespace zrt
