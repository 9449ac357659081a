#include "runtime/ui/list_layout.h"

#include "runtime/interface/listbox_interface.h"
#include "runtime/ui/control_object.h"

#include <algorithm>

namespace zrt {

namespace f = zif::listbox_fields;

std::int32_t ListGeometry::rows_in_view() const {
  return std::max<std::int32_t>((height - heading_height) / row_height, 1);
}

std::int32_t ListGeometry::row_at(std::int32_t y) const {
  const std::int32_t below_heading = y - heading_height;
  // Rounds down above the rows too, so a point just above them is row top - 1.
  const std::int32_t rows = below_heading >= 0 ? below_heading / row_height : (below_heading - row_height + 1) / row_height;
  return top + rows;
}

std::int32_t ListGeometry::column_left(std::int32_t column) const {
  std::int32_t left = 0;
  for (std::int32_t i = 0; i < column && i < static_cast<std::int32_t>(widths.size()); ++i) left += widths[static_cast<std::size_t>(i)];
  return left;
}

std::int32_t ListGeometry::column_at(std::int32_t x) const {
  std::int32_t right = 0;
  for (std::size_t column = 0; column < widths.size(); ++column) {
    right += widths[column];
    if (x < right) return x >= 0 ? static_cast<std::int32_t>(column) : -1;
  }
  return -1;
}

std::uint8_t ListGeometry::cell_type(const ListRow& row, std::int32_t column) const {
  const ListCell* cell = row.cell(column);
  if (cell != nullptr && cell->type != default_cell) return cell->type;
  return column >= 0 && column < static_cast<std::int32_t>(column_types.size())
             ? column_types[static_cast<std::size_t>(column)]
             : std::uint8_t{default_cell};
}

ListGeometry list_geometry(ZObject* list, std::int32_t row_height, std::int32_t height, std::int32_t top) {
  const ControlFields fields(list);
  const auto columns = static_cast<std::size_t>(fields.value<std::int32_t>(f::column_count));
  const auto* widths = reinterpret_cast<const std::int16_t*>(field_bytes(list, f::computed_widths, 2 * list_column_slots));
  ListGeometry geometry;
  geometry.row_height = std::max(row_height, 1);
  geometry.heading_height = fields.flag(f::has_heading) ? geometry.row_height : 0;
  geometry.height = height;
  geometry.top = top;
  geometry.hierarchical = fields.flag(f::hierarchical);
  geometry.widths = {widths, std::min<std::size_t>(columns, list_column_slots)};
  geometry.column_types = {field_bytes(list, f::column_types, list_column_slots), list_column_slots};
  return geometry;
}

std::int32_t triangle_left(const ListRow& row) { return list_indent_per_level * row.indent + list_triangle_left; }

CellLayout lay_out_cell(const ListGeometry& geometry, const ListRow& row, std::int32_t column) {
  CellLayout layout{};
  layout.left = geometry.column_left(column);
  layout.right = column >= 0 && column < static_cast<std::int32_t>(geometry.widths.size())
                     ? layout.left + geometry.widths[static_cast<std::size_t>(column)]
                     : layout.left;
  std::int32_t content = layout.left + list_cell_margin;
  if (column == 0 && geometry.hierarchical) content += list_indent_per_level * row.indent + list_folder_indent;
  layout.picture_left = -1;
  if (column == 0 && row.picture.get() != nullptr) {
    layout.picture_left = content;
    layout.picture_side = std::max(geometry.row_height - 2, 1);
    content += layout.picture_side + list_cell_margin;
  }
  layout.check_box_left = -1;
  if (geometry.cell_type(row, column) == check_box_cell) {
    layout.check_box_left = content;
    content += list_check_box_size + list_cell_margin;
  }
  layout.text_left = content;
  return layout;
}

ListHit hit_test(const ListGeometry& geometry, const ListModel& model, std::int32_t x, std::int32_t y) {
  const std::int32_t column = geometry.column_at(x);
  if (y < geometry.heading_height) return {ListPart::heading, -1, column};
  const std::int32_t row_index = geometry.row_at(y);
  if (!model.holds(row_index)) return {ListPart::below_rows, row_index, column};
  const ListRow& row = model.row(row_index);
  const std::int32_t triangle = triangle_left(row);
  if (geometry.hierarchical && row.is_folder() && x >= triangle && x < triangle + list_triangle_width + 2)
    return {ListPart::triangle, row_index, column};
  if (column < 0) return {ListPart::cell, row_index, column};
  const CellLayout layout = lay_out_cell(geometry, row, column);
  if (layout.check_box_left >= 0 && x >= layout.check_box_left && x < layout.check_box_left + list_check_box_size)
    return {ListPart::check_box, row_index, column};
  if (geometry.cell_type(row, column) == editable_cell) return {ListPart::editable_cell, row_index, column};
  return {ListPart::cell, row_index, column};
}

PictureFit fit_picture(std::int32_t width, std::int32_t height, std::int32_t slot_left, std::int32_t slot_top,
                       std::int32_t side) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width > side || height > side) {
    // The longer side becomes the slot's; the other keeps the proportion.
    if (width >= height) {
      height = static_cast<std::int32_t>(static_cast<std::int64_t>(height) * side / width);
      width = side;
    } else {
      width = static_cast<std::int32_t>(static_cast<std::int64_t>(width) * side / height);
      height = side;
    }
  }
  return {slot_left + (side - width) / 2, slot_top + (side - height) / 2, width, height};
}

}  // namespace zrt
