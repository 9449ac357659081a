// What a list box shows, kept by its pane: rows with their chains of cells,
// the headings, the selection, the folder being expanded and the column last
// sorted. Portable: the routines and the pane's drawing and mouse handling
// work on it, and tests drive it without a window.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/core/strings.h"
#include "runtime/ui/list_selection.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

namespace zrt {

// Headings, column settings and computed widths exist for columns 0..63.
inline constexpr std::int32_t list_column_slots = 64;

enum RowState : std::int16_t { plain_row = 0, expanded_folder = 1, collapsed_folder = 2 };

// Style bits of a cell.
enum CellStyle : std::uint8_t { cell_bold = 1, cell_italic = 2, cell_underline = 4 };

struct ListCell {
  std::int32_t column = 0;
  StringRef text;
  std::uint8_t style = 0;
  std::uint8_t type = 0;
  std::uint8_t check = 0;
  std::int32_t alignment = 0;
  std::int32_t alignment_offset = 0;
};

struct ListRow {
  std::int16_t state = plain_row;
  std::int16_t indent = 0;
  // In creation order; the cell of column 0 is made with the row and first.
  std::vector<ListCell> cells;
  ObjectRef picture;

  // The row's cell of that column, null when it has none.
  [[nodiscard]] const ListCell* cell(std::int32_t column) const;
  // The cell of that column, appended with empty text when missing.
  [[nodiscard]] ListCell& cell_for_writing(std::int32_t column);
  [[nodiscard]] bool is_folder() const { return state != plain_row; }
};

class ListModel {
 public:
  ListModel();

  [[nodiscard]] std::int32_t count() const { return static_cast<std::int32_t>(m_rows.size()); }
  [[nodiscard]] bool holds(std::int32_t row) const { return row >= 0 && row < count(); }
  [[nodiscard]] ListRow& row(std::int32_t index) { return m_rows[static_cast<std::size_t>(index)]; }
  [[nodiscard]] const ListRow& row(std::int32_t index) const { return m_rows[static_cast<std::size_t>(index)]; }

  // A row whose column 0 holds the text: appended at indent 0, or, while a
  // folder is being expanded, after the folder's last descendant one level
  // deeper. Gives the new row's index.
  std::int32_t add_row(ZString* text, RowState state);
  // The same for a collapsed folder, under the model's lock.
  std::int32_t add_folder(ZString* text);
  // A plain top-level row at the index clamped to 0..count; gives the index.
  std::int32_t insert_row(std::int32_t at, ZString* text);
  // Removes rows at..at+count-1; true when one of them was selected.
  bool remove_rows(std::int32_t at, std::int32_t count);
  void clear();

  // The index after a row's descendants: the first following row whose
  // indent is not greater than the row's.
  [[nodiscard]] std::int32_t descendants_end(std::int32_t row) const;

  // Sorts the blocks (a top-level row with the deeper rows after it) by
  // the text of the column in their first row, a missing cell counting as
  // empty, keeping equal blocks in order; selected rows stay selected.
  using TextOrder = std::int32_t (*)(ZString* first, ZString* second);
  void sort_blocks(std::int32_t column, TextOrder order);
  [[nodiscard]] std::int32_t sorted_column() const { return m_sorted_column; }

  // The folder being expanded, while an ExpandRow handler runs; rows added
  // meanwhile go under it. Nested expansions restore the outer folder.
  class Expansion {
   public:
    Expansion(ListModel& model, std::int32_t folder);
    Expansion(const Expansion&) = delete;
    Expansion& operator=(const Expansion&) = delete;
    ~Expansion();

   private:
    ListModel& m_model;
    std::int32_t m_outer;
  };
  [[nodiscard]] std::int32_t expanding_row() const { return m_expanding_row; }

  [[nodiscard]] ZString* heading(std::int32_t column) const;
  void set_heading(std::int32_t column, ZString* text);

  [[nodiscard]] ListSelection& selection() { return m_selection; }
  [[nodiscard]] const ListSelection& selection() const { return m_selection; }
  // Where Shift-clicks extend from: the row clicked or selected last.
  std::int32_t anchor = -1;
  // The cell whose text the user is editing, row -1 for none. It follows
  // its row as rows are inserted and removed; removing or sorting the row
  // away, or emptying the list, ends the editing.
  struct CellEdit {
    std::int32_t row = -1;
    std::int32_t column = 0;
  };
  CellEdit editing;

 private:
  std::int32_t place_row(std::int32_t at, std::int16_t indent, ZString* text, RowState state);

  std::vector<ListRow> m_rows;
  std::array<StringRef, list_column_slots> m_headings;
  std::int32_t m_expanding_row = -1;
  std::int32_t m_sorted_column = -1;
  ListSelection m_selection;
  std::mutex m_adding;
};

}  // namespace zrt
