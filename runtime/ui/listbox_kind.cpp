// The list box as a kind: its descriptor and its routines. Rows live in the
// list's pane; the routines that need them do nothing (or give 0, Nil or
// False) without one. A row outside 0..ListCount-1 raises
// OutOfBoundsException before anything else happens. While a data source is
// bound, the routines that edit rows do nothing.
#include "runtime/core/exceptions.h"
#include "runtime/interface/exports.h"
#include "runtime/interface/listbox_interface.h"
#include "runtime/ui/control_kinds.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/control_panes.h"
#include "runtime/ui/control_setters.h"
#include "runtime/ui/list_actions.h"
#include "runtime/ui/list_binding.h"
#include "runtime/ui/list_editing.h"

#include <algorithm>
#include <utility>

namespace zrt {
namespace {

namespace f = zif::listbox_fields;

constexpr std::int32_t strings[] = {f::text_font, f::column_widths, f::initial_value};
constexpr std::int32_t references[] = {f::data_source};

// The pane when the row is in range (raising when it is not), null without
// pane.
ListPane* pane_for_row(ZObject* list, std::int32_t row) {
  ListPane* pane = list_pane_of(list);
  if (pane != nullptr && !pane->model().holds(row)) raise_new_exception("OutOfBoundsException");
  return pane;
}

// The pane for editing a row: none while a source is bound.
ListPane* pane_for_editing(ZObject* list, std::int32_t row) {
  ListPane* pane = pane_for_row(list, row);
  return pane != nullptr && !is_bound(list) ? pane : nullptr;
}

ListPane* pane_for_adding(ZObject* list) {
  ListPane* pane = list_pane_of(list);
  return pane != nullptr && !is_bound(list) ? pane : nullptr;
}

void added(ZObject* list, ListPane& pane, std::int32_t row) {
  control_fields_of(list).set_value(f::last_index, row);
  pane.rows_changed(row);
}

const ListCell* cell_of(ZObject* list, std::int32_t row, std::int32_t column) {
  ListPane* pane = pane_for_row(list, row);
  return pane != nullptr ? pane->model().row(row).cell(column) : nullptr;
}

// Sets a value of the row's cell of that column, making the cell when it
// has none, and redraws the row when the value changed.
template <typename Change>
void change_cell(ZObject* list, std::int32_t row, std::int32_t column, Change&& change) {
  ListPane* pane = pane_for_editing(list, row);
  if (pane == nullptr) return;
  if (change(pane->model().row(row).cell_for_writing(column))) pane->redraw_row(row);
}

bool style_of(ZObject* list, std::int32_t row, std::int32_t column, std::uint8_t bit) {
  const ListCell* cell = cell_of(list, row, column);
  return cell != nullptr && (cell->style & bit) != 0;
}

void set_style(ZObject* list, std::int32_t row, std::int32_t column, std::uint8_t bit, std::int32_t on) {
  change_cell(list, row, column, [&](ListCell& cell) {
    const auto style = static_cast<std::uint8_t>(on != 0 ? cell.style | bit : cell.style & ~bit);
    return std::exchange(cell.style, style) != style;
  });
}

template <typename Value>
void set_cell_value(ZObject* list, std::int32_t row, std::int32_t column, Value ListCell::*member, Value value) {
  change_cell(list, row, column, [&](ListCell& cell) { return std::exchange(cell.*member, value) != value; });
}

template <typename Value>
Value cell_value(ZObject* list, std::int32_t row, std::int32_t column, Value ListCell::*member) {
  const ListCell* cell = cell_of(list, row, column);
  return cell != nullptr ? cell->*member : Value{};
}

// The column settings: one byte or one 16-bit value per column 0..63.
template <typename Value>
Value* column_setting(ZObject* list, std::int32_t offset, std::int32_t column) {
  if (column < 0 || column >= list_column_slots) return nullptr;
  return reinterpret_cast<Value*>(field_bytes(list, offset, sizeof(Value) * list_column_slots)) +
         column;
}

template <typename Value>
std::int32_t column_value(ZObject* list, std::int32_t offset, std::int32_t column) {
  const Value* setting = column_setting<Value>(list, offset, column);
  return setting != nullptr ? *setting : 0;
}

template <typename Value>
void set_column_value(ZObject* list, std::int32_t offset, std::int32_t column, std::int32_t value) {
  Value* setting = column_setting<Value>(list, offset, column);
  if (setting == nullptr) return;
  *setting = static_cast<Value>(value);
  if (Pane* pane = control_fields_of(list).pane()) pane->control_changed(offset);
}

// ColumnCount and ColumnWidths: stored, then with a pane the widths are
// laid out again and the pane redraws.
void columns_changed(ZObject* list, std::int32_t field) {
  Pane* pane = control_fields_of(list).pane();
  if (pane == nullptr) return;
  lay_out_columns(list);
  pane->control_changed(field);
}

void release_listbox(ZObject* list) { release_selection_receivers(list); }

}  // namespace

ListPane* list_pane_of(ZObject* list) { return dynamic_cast<ListPane*>(control_fields_of(list).pane()); }

const ControlKind listbox_kind{"Listbox", strings, references, &make_listbox_pane, &release_listbox};

}  // namespace zrt

using namespace zrt;
namespace list_fields = zif::listbox_fields;

extern "C" {

void RuntimeListEmpty(ZObject* list) {
  if (ListPane* pane = pane_for_adding(list)) empty_list(list, *pane);
}

void RuntimeListAddRow(ZObject* list, ZString* text) {
  if (ListPane* pane = pane_for_adding(list)) added(list, *pane, pane->model().add_row(text, plain_row));
}

void RuntimeListAddParent(ZObject* list, ZString* text) {
  if (ListPane* pane = pane_for_adding(list)) added(list, *pane, pane->model().add_folder(text));
}

void RuntimeListInsertRow(ZObject* list, std::int32_t row, ZString* text) {
  if (ListPane* pane = pane_for_adding(list)) added(list, *pane, pane->model().insert_row(row, text));
}

void RuntimeRemoveRow(ZObject* list, std::int32_t row) {
  if (ListPane* pane = pane_for_editing(list, row)) remove_list_rows(list, *pane, row, 1);
}

ZString* RuntimeGetRow(ZObject* list, std::int32_t row) { return listGetCell(list, row, 0); }

void RuntimeSetRow(ZObject* list, std::int32_t row, ZString* text) { listSetCell(list, row, 0, text); }

ZString* listGetCell(ZObject* list, std::int32_t row, std::int32_t column) {
  ListPane* pane = pane_for_row(list, row);
  return pane != nullptr ? shown_cell_text(list, pane->model(), row, column).leak() : nullptr;
}

void listSetCell(ZObject* list, std::int32_t row, std::int32_t column, ZString* text) {
  change_cell(list, row, column, [&](ListCell& cell) {
    cell.text = StringRef::share(text);
    return true;
  });
}

ZString* listTextFontGetter(ZObject* list, std::int32_t) {
  return share_string(control_fields_of(list).string(list_fields::text_font));
}
void listTextFontSetter(ZObject* list, std::int32_t, ZString* name) {
  store_string_and_tell(list, list_fields::text_font, name);
}
std::int32_t listTextSizeGetter(ZObject* list, std::int32_t) {
  return control_fields_of(list).value<std::int16_t>(list_fields::text_size);
}
void listTextSizeSetter(ZObject* list, std::int32_t, std::int32_t size) {
  store_short_and_tell(list, list_fields::text_size, size);
}
std::int32_t listBoldGetter(ZObject* list, std::int32_t) { return control_fields_of(list).flag(list_fields::bold); }
void listBoldSetter(ZObject* list, std::int32_t, std::int32_t value) {
  store_flag_and_tell(list, list_fields::bold, value);
}
std::int32_t listItalicGetter(ZObject* list, std::int32_t) { return control_fields_of(list).flag(list_fields::italic); }
void listItalicSetter(ZObject* list, std::int32_t, std::int32_t value) {
  store_flag_and_tell(list, list_fields::italic, value);
}
std::int32_t listUnderlineGetter(ZObject* list, std::int32_t) {
  return control_fields_of(list).flag(list_fields::underline);
}
void listUnderlineSetter(ZObject* list, std::int32_t, std::int32_t value) {
  store_flag_and_tell(list, list_fields::underline, value);
}

std::int32_t listCountGetter(ZObject* list, std::int32_t) {
  ListPane* pane = list_pane_of(list);
  return pane != nullptr ? pane->model().count() : 0;
}

std::int32_t listSelectionGetter(ZObject* list, std::int32_t) {
  ListPane* pane = list_pane_of(list);
  return pane != nullptr ? pane->model().selection().lowest() : -1;
}

void listSelectionSetter(ZObject* list, std::int32_t, std::int32_t row) {
  if (ListPane* pane = list_pane_of(list)) select_only(list, *pane, row, true);
}

std::int32_t listSelCountGetter(ZObject* list, std::int32_t) {
  ListPane* pane = list_pane_of(list);
  return pane != nullptr ? pane->model().selection().count() : 0;
}

ZString* listTextGetter(ZObject* list, std::int32_t) {
  const std::int32_t row = listSelectionGetter(list, 0);
  return row >= 0 ? listGetCell(list, row, 0) : nullptr;
}

void listTextSetter(ZObject* list, std::int32_t, ZString* text) {
  const std::int32_t row = listSelectionGetter(list, 0);
  if (row >= 0) listSetCell(list, row, 0, text);
}

std::int32_t listColumnCountGetter(ZObject* list, std::int32_t) {
  return control_fields_of(list).value<std::int32_t>(list_fields::column_count);
}

// 0 is stored as 1, and 64 or more (negative values taken unsigned) as 63.
void listColumnCountSetter(ZObject* list, std::int32_t, std::int32_t count) {
  const auto columns = std::clamp<std::uint32_t>(static_cast<std::uint32_t>(count), 1, list_fields::column_limit);
  control_fields_of(list).set_value(list_fields::column_count, static_cast<std::int32_t>(columns));
  columns_changed(list, list_fields::column_count);
}

ZString* listColumnWidthsGetter(ZObject* list, std::int32_t) {
  return share_string(control_fields_of(list).string(list_fields::column_widths));
}

void listColumnWidthsSetter(ZObject* list, std::int32_t, ZString* widths) {
  control_fields_of(list).store_string(list_fields::column_widths, widths);
  columns_changed(list, list_fields::column_widths);
}

std::int32_t listLastIndexGetter(ZObject* list, std::int32_t) {
  return control_fields_of(list).value<std::int32_t>(list_fields::last_index);
}

void listEnableDragSetter(ZObject* list, std::int32_t, std::int32_t value) {
  store_flag_and_tell(list, list_fields::enable_drag, value);
}

std::int32_t listHeadingIndexGetter(ZObject* list, std::int32_t) {
  return control_fields_of(list).value<std::int32_t>(list_fields::heading_index);
}

void listHeadingIndexSetter(ZObject* list, std::int32_t, std::int32_t column) {
  control_fields_of(list).set_value(list_fields::heading_index, column);
}

std::int32_t listGetCellBold(ZObject* list, std::int32_t row, std::int32_t column) {
  return style_of(list, row, column, cell_bold);
}
void listSetCellBold(ZObject* list, std::int32_t row, std::int32_t column, std::int32_t on) {
  set_style(list, row, column, cell_bold, on);
}
std::int32_t listGetCellItalic(ZObject* list, std::int32_t row, std::int32_t column) {
  return style_of(list, row, column, cell_italic);
}
void listSetCellItalic(ZObject* list, std::int32_t row, std::int32_t column, std::int32_t on) {
  set_style(list, row, column, cell_italic, on);
}
std::int32_t listGetCellUnderline(ZObject* list, std::int32_t row, std::int32_t column) {
  return style_of(list, row, column, cell_underline);
}
void listSetCellUnderline(ZObject* list, std::int32_t row, std::int32_t column, std::int32_t on) {
  set_style(list, row, column, cell_underline, on);
}

std::int32_t listCellCheckGetter(ZObject* list, std::int32_t row, std::int32_t column) {
  return cell_value(list, row, column, &ListCell::check) != 0;
}
void listCellCheckSetter(ZObject* list, std::int32_t row, std::int32_t column, std::int32_t on) {
  set_cell_value(list, row, column, &ListCell::check, static_cast<std::uint8_t>(on != 0));
}
std::int32_t listCellTypeGetter(ZObject* list, std::int32_t row, std::int32_t column) {
  return cell_value(list, row, column, &ListCell::type);
}
void listCellTypeSetter(ZObject* list, std::int32_t row, std::int32_t column, std::int32_t type) {
  set_cell_value(list, row, column, &ListCell::type, static_cast<std::uint8_t>(type));
}
std::int32_t listCellAlignmentGetter(ZObject* list, std::int32_t row, std::int32_t column) {
  return cell_value(list, row, column, &ListCell::alignment);
}
void listCellAlignmentSetter(ZObject* list, std::int32_t row, std::int32_t column, std::int32_t value) {
  set_cell_value(list, row, column, &ListCell::alignment, value);
}
std::int32_t listCellAlignmentOffsetGetter(ZObject* list, std::int32_t row, std::int32_t column) {
  return cell_value(list, row, column, &ListCell::alignment_offset);
}
void listCellAlignmentOffsetSetter(ZObject* list, std::int32_t row, std::int32_t column, std::int32_t value) {
  set_cell_value(list, row, column, &ListCell::alignment_offset, value);
}

std::int32_t listColumnTypeGetter(ZObject* list, std::int32_t column) {
  return column_value<std::uint8_t>(list, list_fields::column_types, column);
}
void listColumnTypeSetter(ZObject* list, std::int32_t column, std::int32_t value) {
  set_column_value<std::uint8_t>(list, list_fields::column_types, column, value);
}
std::int32_t listColumnAlignmentGetter(ZObject* list, std::int32_t column) {
  return column_value<std::uint8_t>(list, list_fields::column_alignments, column);
}
void listColumnAlignmentSetter(ZObject* list, std::int32_t column, std::int32_t value) {
  set_column_value<std::uint8_t>(list, list_fields::column_alignments, column, value);
}
std::int32_t listColumnAlignmentOffsetGetter(ZObject* list, std::int32_t column) {
  return column_value<std::int16_t>(list, list_fields::column_alignment_offsets, column);
}
void listColumnAlignmentOffsetSetter(ZObject* list, std::int32_t column, std::int32_t value) {
  set_column_value<std::int16_t>(list, list_fields::column_alignment_offsets, column, value);
}

ZObject* listGetRowPicture(ZObject* list, std::int32_t row) {
  ListPane* pane = pane_for_row(list, row);
  return pane != nullptr ? share_object(pane->model().row(row).picture.get()) : nullptr;
}

void listSetRowPicture(ZObject* list, std::int32_t row, ZObject* picture) {
  ListPane* pane = pane_for_row(list, row);
  if (pane == nullptr) return;
  pane->model().row(row).picture = ObjectRef::share(picture);
  pane->redraw_row(row);
}

std::int32_t listGetSelected(ZObject* list, std::int32_t row) {
  ListPane* pane = list_pane_of(list);
  return pane != nullptr && pane->model().selection().contains(row);
}

void listSetSelected(ZObject* list, std::int32_t row, std::int32_t selected) {
  ListPane* pane = list_pane_of(list);
  if (pane != nullptr && pane->model().holds(row)) set_row_selected(list, *pane, row, selected != 0);
}

std::int32_t listGetExpanded(ZObject* list, std::int32_t row) {
  ListPane* pane = pane_for_row(list, row);
  return pane != nullptr && pane->model().row(row).state == expanded_folder;
}

void listSetExpanded(ZObject* list, std::int32_t row, std::int32_t expanded) {
  if (ListPane* pane = pane_for_row(list, row)) set_row_expanded(list, *pane, row, expanded != 0);
}

ZString* listGetHeading(ZObject* list, std::int32_t column) {
  ListPane* pane = list_pane_of(list);
  return pane != nullptr ? share_string(pane->model().heading(column)) : nullptr;
}

void listSetHeading(ZObject* list, std::int32_t column, ZString* text) {
  ListPane* pane = list_pane_of(list);
  if (pane == nullptr || column < 0 || column >= list_column_slots) return;
  pane->model().set_heading(column, text);
  if (control_fields_of(list).flag(list_fields::has_heading)) pane->rows_changed(0);
}

void listEditCell(ZObject* list, std::int32_t row, std::int32_t column) {
  if (ListPane* pane = pane_for_row(list, row)) edit_cell(list, *pane, row, column);
}

void listAddLSNR(ZObject* list, ZObject* receiver) { add_selection_receiver(list, receiver); }
void listRemoveLSNR(ZObject* list, ZObject* receiver) {
  remove_selection_receiver(list, receiver);
}

}  // extern "C"

extern "C" {

// A bound list shows the source's rows: the source tells the list of rows
// inserted and removed, and the cells are read from it.
void listBindList(ZObject* list, ZObject* source) {
  control_fields_of(list).store_reference(list_fields::data_source, source);
  if (ListPane* pane = list_pane_of(list)) empty_list(list, *pane);
}

// The part a list binds is its source, whatever the name.
ZObject* listGetBoundPart(ZObject* list, ZString*) {
  return share_object(control_fields_of(list).reference(list_fields::data_source));
}

void listDataInsertedRow(ZObject* list, std::int32_t row) {
  ListPane* pane = list_pane_of(list);
  if (pane == nullptr || !is_bound(list)) return;
  pane->rows_changed(pane->model().insert_row(row, nullptr));
}

void listDataRemovedRow(ZObject* list, std::int32_t row) {
  ListPane* pane = list_pane_of(list);
  if (pane != nullptr && is_bound(list) && pane->model().holds(row)) remove_list_rows(list, *pane, row, 1);
}

void listDataReload(ZObject* list) {
  if (ListPane* pane = list_pane_of(list)) pane->rows_changed(0);
}

}  // extern "C"
