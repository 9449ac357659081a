#include "runtime/ui/list_actions.h"

#include "runtime/core/code_calls.h"
#include "runtime/core/events.h"
#include "runtime/core/pointer_words.h"
#include "runtime/interface/exports.h"
#include "runtime/interface/listbox_interface.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/list_binding.h"
#include "runtime/ui/list_columns.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <vector>

namespace zrt {
namespace {

namespace f = zif::listbox_fields;

using Receivers = std::vector<ObjectRef>;

Receivers* receivers_of(ZObject* list) { return ControlFields(list).record<Receivers>(f::selection_receivers); }

// Calls the method of that name on every receiver that has one, with the
// list as argument. The list is copied first: a receiver may remove itself.
void tell_receivers(ZObject* list, std::string_view method) {
  Receivers* receivers = receivers_of(list);
  if (receivers == nullptr) return;
  const Receivers copy = *receivers;
  for (const ObjectRef& receiver : copy) {
    const MethodEntry* entry = find_method(class_of(receiver.get()), method);
    if (entry == nullptr || entry->routine == 0) continue;
    const Word arguments[] = {word_of_pointer(receiver.get()), word_of_pointer(list)};
    call_code(entry->routine, arguments);
  }
}

void redraw_selected(ListPane& pane) {
  for (const RowRange& range : pane.model().selection().ranges())
    for (std::int32_t row = range.first; row < range.end(); ++row) pane.redraw_row(row);
}

std::int16_t* widths_of(ZObject* list) {
  return reinterpret_cast<std::int16_t*>(field_bytes(list, f::computed_widths, 2 * list_column_slots));
}

}  // namespace

void announce_selection_change(ZObject* list) { tell_receivers(list, "selectionChanging"); }

void report_selection_change(ZObject* list) {
  const ControlFields fields(list);
  if (!fields.flag(f::reporting_change)) {
    fields.set_flag(f::reporting_change, true);
    raise_event(list, {"Listbox", "Change"});
    fields.set_flag(f::reporting_change, false);
  }
  tell_receivers(list, "selectionChanged");
}

void select_only(ZObject* list, ListPane& pane, std::int32_t row, bool scroll) {
  ListModel& model = pane.model();
  if (!model.holds(row)) row = -1;
  announce_selection_change(list);
  const bool was_selected = row >= 0 && model.selection().contains(row);
  std::vector<RowRange> old = model.selection().ranges();
  model.selection().clear();
  if (row >= 0) model.selection().add(row);
  for (const RowRange& range : old)
    for (std::int32_t other = range.first; other < range.end(); ++other)
      if (other != row) pane.redraw_row(other);
  if (row >= 0) {
    model.anchor = row;
    if (!was_selected) pane.redraw_row(row);
    if (scroll) pane.scroll_into_view(row);
  }
  report_selection_change(list);
}

void set_row_selected(ZObject* list, ListPane& pane, std::int32_t row, bool selected) {
  ListSelection& selection = pane.model().selection();
  if (selection.contains(row) == selected) return;
  announce_selection_change(list);
  if (selected) {
    selection.add(row);
    pane.model().anchor = row;
  } else {
    selection.remove(row);
  }
  pane.redraw_row(row);
  report_selection_change(list);
}

void select_from_anchor(ZObject* list, ListPane& pane, std::int32_t row) {
  ListModel& model = pane.model();
  const std::int32_t anchor = model.holds(model.anchor) ? model.anchor : row;
  const auto& ranges = model.selection().ranges();
  if (ranges.size() == 1 && ranges.front() == RowRange{std::min(anchor, row), std::abs(row - anchor) + 1}) return;
  announce_selection_change(list);
  redraw_selected(pane);
  model.selection().clear();
  model.selection().add_span(anchor, row);
  model.anchor = anchor;
  redraw_selected(pane);
  report_selection_change(list);
}

void set_row_expanded(ZObject* list, ListPane& pane, std::int32_t row, bool expanded) {
  ListModel& model = pane.model();
  ListRow& folder = model.row(row);
  if (expanded && folder.state == collapsed_folder) {
    folder.state = expanded_folder;
    pane.redraw_row(row);
    const ListModel::Expansion expansion(model, row);
    raise_event(list, {"Listbox", "ExpandRow"}, {static_cast<Word>(row)});
  } else if (!expanded && folder.state == expanded_folder) {
    raise_event(list, {"Listbox", "CollapseRow"}, {static_cast<Word>(row)});
    if (!model.holds(row)) return;
    model.row(row).state = collapsed_folder;
    pane.redraw_row(row);
    const std::int32_t end = model.descendants_end(row);
    if (end > row + 1) remove_list_rows(list, pane, row + 1, end - row - 1);
  }
}

void remove_list_rows(ZObject* list, ListPane& pane, std::int32_t at, std::int32_t count) {
  // The rows in view stay in view: those removed above them scroll with them.
  const std::int32_t top = pane.geometry().top;
  const bool selected_went = pane.model().remove_rows(at, count);
  if (at < top) pane.scroll_to(top - std::min(count, top - at));
  pane.rows_changed(at);
  if (selected_went) report_selection_change(list);
}

void empty_list(ZObject* list, ListPane& pane) {
  const bool had_selection = !pane.model().selection().empty();
  if (had_selection) announce_selection_change(list);
  pane.model().clear();
  pane.rows_changed(0);
  if (had_selection) report_selection_change(list);
}

void sort_on_heading(ZObject* list, ListPane& pane, std::int32_t column) {
  ControlFields(list).set_value(f::heading_index, column);
  // A bound list shows its rows in the source's order.
  if (raise_boolean_event(list, {"Listbox", "SortColumn"}, {static_cast<Word>(column)}) || is_bound(list)) return;
  pane.model().sort_blocks(column, &RuntimeStringCompare);
  pane.rows_changed(0);
}

void lay_out_columns(ZObject* list) {
  const ControlFields fields(list);
  const auto columns = static_cast<std::size_t>(fields.value<std::int32_t>(f::column_count));
  compute_column_widths(fields.bounds().width(), string_text(fields.string(f::column_widths)),
                        std::span<std::int16_t>(widths_of(list), columns));
}

std::int32_t column_width(ZObject* list, std::int32_t column) {
  if (column < 0 || column >= list_column_slots) return 0;
  return widths_of(list)[column];
}

void add_selection_receiver(ZObject* list, ZObject* receiver) {
  if (receiver == nullptr) return;
  const ControlFields fields(list);
  Receivers* receivers = receivers_of(list);
  if (receivers == nullptr) {
    receivers = new Receivers;
    fields.set_record(f::selection_receivers, receivers);
  }
  receivers->push_back(ObjectRef::share(receiver));
}

void remove_selection_receiver(ZObject* list, ZObject* receiver) {
  if (Receivers* receivers = receivers_of(list))
    std::erase_if(*receivers, [&](const ObjectRef& held) { return held.get() == receiver; });
}

void release_selection_receivers(ZObject* list) {
  delete receivers_of(list);
  ControlFields(list).set_record<Receivers>(f::selection_receivers, nullptr);
}

}  // namespace zrt
