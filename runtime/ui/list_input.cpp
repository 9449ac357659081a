#include "runtime/ui/list_input.h"

#include "runtime/core/events.h"
#include "runtime/core/pointer_words.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/interface/listbox_interface.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/list_actions.h"
#include "runtime/ui/list_editing.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace zrt {
namespace {

namespace f = zif::listbox_fields;

bool several_rows(ZObject* list) { return ControlFields(list).value<std::int32_t>(f::selection_type) != 0; }

// A click on the row that is already the whole selection changes nothing.
void select_alone(ZObject* list, ListPane& pane, std::int32_t row) {
  const auto& ranges = pane.model().selection().ranges();
  if (ranges.size() == 1 && ranges.front() == RowRange{row, 1}) return;
  select_only(list, pane, row, false);
}

// The part of the row under the press acts; true when it took the click.
bool row_part_acts(ZObject* list, ListPane& pane, const ListHit& hit) {
  ListModel& model = pane.model();
  switch (hit.part) {
    case ListPart::below_rows:
      if (!model.selection().empty()) select_only(list, pane, -1, false);
      return true;
    case ListPart::triangle:
      set_row_expanded(list, pane, hit.row, model.row(hit.row).state == collapsed_folder);
      return true;
    case ListPart::check_box: toggle_cell_check(list, pane, hit.row, hit.column); return true;
    // An editable cell of a selected row edits; of another row it selects.
    case ListPart::editable_cell:
      if (!model.selection().contains(hit.row)) return false;
      edit_cell(list, pane, hit.row, hit.column);
      return true;
    default: return false;
  }
}

void select_on_click(ZObject* list, ListPane& pane, std::int32_t row, std::uint32_t modifiers) {
  if (several_rows(list) && (modifiers & list_shift_modifier) != 0)
    select_from_anchor(list, pane, row);
  else if (several_rows(list) && (modifiers & list_toggle_modifier) != 0)
    set_row_selected(list, pane, row, !pane.model().selection().contains(row));
  else
    select_alone(list, pane, row);
}

// DragRow (drag, row) with a new drag item; true when the handler took it.
bool offer_drag(ZObject* list, std::int32_t row) {
  const ObjectRef item = ObjectRef::adopt(new_instance(runtime_class("DragItem")));
  return raise_boolean_event(list, {"Listbox", "DragRow"}, {word_of_pointer(item.get()), static_cast<Word>(row)});
}

}  // namespace

bool press_list(ZObject* list, ListPane& pane, std::int32_t x, std::int32_t y, std::uint32_t modifiers,
                std::uint32_t time, std::uint32_t double_click_time) {
  ListModel& model = pane.model();
  ListMouseState& mouse = pane.mouse();
  const ListHit hit = hit_test(pane.geometry(), model, x, y);
  if (hit.part == ListPart::heading) {
    if (hit.column >= 0) sort_on_heading(list, pane, hit.column);
    return false;
  }
  const bool repeated = hit.row == mouse.last_click_row && modifiers == mouse.last_click_modifiers &&
                        time - mouse.last_click_time <= double_click_time;
  mouse.last_click_row = hit.row;
  mouse.last_click_modifiers = modifiers;
  mouse.last_click_time = time;
  if (row_part_acts(list, pane, hit)) {
    mouse.last_click_row = -1;
    return false;
  }
  if (repeated && model.selection().contains(hit.row)) {
    mouse.last_click_row = -1;
    raise_event(list, {"Listbox", "DoubleClick"});
    return false;
  }
  select_on_click(list, pane, hit.row, modifiers);
  // A Change handler may have taken the row away.
  if (!model.holds(hit.row)) return false;
  mouse.tracking = true;
  mouse.drag_anchor = model.anchor;
  mouse.drag_row = ControlFields(list).flag(f::enable_drag) ? hit.row : -1;
  mouse.press_x = x;
  mouse.press_y = y;
  return true;
}

bool drag_list(ZObject* list, ListPane& pane, std::int32_t x, std::int32_t y) {
  ListModel& model = pane.model();
  ListMouseState& mouse = pane.mouse();
  if (!mouse.tracking || model.count() == 0) return mouse.tracking;
  if (mouse.drag_row >= 0) {
    if (std::abs(x - mouse.press_x) < list_drag_distance && std::abs(y - mouse.press_y) < list_drag_distance)
      return true;
    const std::int32_t row = std::exchange(mouse.drag_row, -1);
    if (model.holds(row) && offer_drag(list, row)) {
      mouse.tracking = false;
      mouse.last_click_row = -1;
      return false;
    }
  }
  ListGeometry geometry = pane.geometry();
  if (y < geometry.heading_height)
    pane.scroll_to(geometry.top - 1);
  else if (y >= geometry.height)
    pane.scroll_to(geometry.top + 1);
  geometry = pane.geometry();
  const std::int32_t over = geometry.row_at(std::clamp(y, geometry.heading_height, std::max(geometry.height - 1, 0)));
  const std::int32_t row = std::clamp(over, 0, model.count() - 1);
  if (row != mouse.last_click_row) mouse.last_click_row = -1;
  if (!several_rows(list) || !model.holds(mouse.drag_anchor)) {
    select_alone(list, pane, row);
    return true;
  }
  model.anchor = mouse.drag_anchor;
  select_from_anchor(list, pane, row);
  return true;
}

void release_list(ListPane& pane) {
  pane.mouse().tracking = false;
  pane.mouse().drag_row = -1;
}

void press_list_key(ZObject* list, ListPane& pane, ListKey key) {
  const ListModel& model = pane.model();
  if (model.count() == 0) return;
  const std::int32_t current = model.selection().lowest();
  const std::int32_t page = pane.geometry().rows_in_view();
  std::int32_t target = current;
  switch (key) {
    case ListKey::up: target = current < 0 ? 0 : current - 1; break;
    case ListKey::down: target = current < 0 ? 0 : current + 1; break;
    case ListKey::page_up: target = current - page; break;
    case ListKey::page_down: target = current + page; break;
    case ListKey::home: target = 0; break;
    case ListKey::end: target = model.count() - 1; break;
  }
  select_only(list, pane, std::clamp(target, 0, model.count() - 1), true);
}

}  // namespace zrt
