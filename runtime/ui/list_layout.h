// Where the parts of a list are on its pane: rows, the heading row, cells
// with their folder triangles, row pictures and check boxes, and which part
// a point is on. Portable, so the pane's drawing and its mouse handling
// share one answer and tests check it without a window.
#pragma once

#include "runtime/ui/list_model.h"

#include <cstdint>
#include <span>

namespace zrt {

inline constexpr std::int32_t list_indent_per_level = 12;
inline constexpr std::int32_t list_folder_indent = 20;
inline constexpr std::int32_t list_triangle_left = 5;
inline constexpr std::int32_t list_triangle_width = 10;
inline constexpr std::int32_t list_cell_margin = 2;
inline constexpr std::int32_t list_check_box_size = 12;

// What a cell does with a click: a cell of type 0 takes its column's type.
enum CellType : std::uint8_t { default_cell = 0, normal_cell = 1, check_box_cell = 2, editable_cell = 3 };

// What the pane measured and the list's fields say, in pane pixels.
struct ListGeometry {
  std::int32_t row_height = 18;
  std::int32_t heading_height = 0;  // 0 without heading row
  std::int32_t height = 0;          // of the pane's client area
  std::int32_t top = 0;             // the first row in view
  bool hierarchical = false;
  std::span<const std::int16_t> widths;        // one per column, ColumnCount of them
  std::span<const std::uint8_t> column_types;  // one per column slot

  // Rows that fit below the heading, at least 1.
  [[nodiscard]] std::int32_t rows_in_view() const;
  [[nodiscard]] std::int32_t row_top(std::int32_t row) const { return heading_height + (row - top) * row_height; }
  // The row a point below the heading is on, which may be beyond the last.
  [[nodiscard]] std::int32_t row_at(std::int32_t y) const;
  [[nodiscard]] std::int32_t column_left(std::int32_t column) const;
  // The column at x, -1 right of the last.
  [[nodiscard]] std::int32_t column_at(std::int32_t x) const;
  [[nodiscard]] std::uint8_t cell_type(const ListRow& row, std::int32_t column) const;
};

// The geometry of a list from its fields and what its pane measured.
[[nodiscard]] ListGeometry list_geometry(ZObject* list, std::int32_t row_height, std::int32_t height,
                                         std::int32_t top);

// A cell's parts along its row, left to right; -1 for a part it lacks. The
// row picture and the folder's indent belong to column 0.
struct CellLayout {
  std::int32_t left;
  std::int32_t right;
  std::int32_t picture_left;  // a square of picture_side pixels
  std::int32_t picture_side;
  std::int32_t check_box_left;
  std::int32_t text_left;
};
[[nodiscard]] CellLayout lay_out_cell(const ListGeometry& geometry, const ListRow& row, std::int32_t column);
// The left edge of a folder row's triangle.
[[nodiscard]] std::int32_t triangle_left(const ListRow& row);

enum class ListPart { heading, below_rows, triangle, check_box, editable_cell, cell };
struct ListHit {
  ListPart part;
  std::int32_t row;     // -1 for the heading
  std::int32_t column;  // -1 right of the last column
  friend bool operator==(const ListHit&, const ListHit&) = default;
};
[[nodiscard]] ListHit hit_test(const ListGeometry& geometry, const ListModel& model, std::int32_t x, std::int32_t y);

// A picture of that size drawn in a square slot: scaled down to fit, never
// up, keeping its proportions, centred. Gives left, top, width, height.
struct PictureFit {
  std::int32_t left;
  std::int32_t top;
  std::int32_t width;
  std::int32_t height;
  friend bool operator==(const PictureFit&, const PictureFit&) = default;
};
[[nodiscard]] PictureFit fit_picture(std::int32_t width, std::int32_t height, std::int32_t slot_left,
                                     std::int32_t slot_top, std::int32_t side);

}  // namespace zrt
