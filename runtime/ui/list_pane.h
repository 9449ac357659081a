// What a list box's pane offers the list's routines and actions beyond
// being a pane: the model it shows, its geometry, being told what to redraw
// and scroll, and the field in which the user edits a cell. The Win32 pane
// implements it (listbox_pane_win32.cpp), tests a pane of their own.
#pragma once

#include "runtime/core/strings.h"
#include "runtime/ui/list_layout.h"
#include "runtime/ui/list_model.h"

#include <cstdint>

namespace zrt {

// What the mouse did last, for double clicks and drags.
struct ListMouseState {
  std::int32_t last_click_row = -1;
  std::uint32_t last_click_modifiers = 0;
  std::uint32_t last_click_time = 0;
  // The button went down on a row and the list follows the pointer.
  bool tracking = false;
  std::int32_t drag_anchor = -1;
  // With EnableDrag, the row pressed and where, until DragRow was offered.
  std::int32_t drag_row = -1;
  std::int32_t press_x = 0;
  std::int32_t press_y = 0;
};

class ListPane {
 public:
  ListPane() = default;
  ListPane(const ListPane&) = delete;
  ListPane& operator=(const ListPane&) = delete;
  virtual ~ListPane() = default;

  [[nodiscard]] ListModel& model() { return m_model; }
  [[nodiscard]] ListMouseState& mouse() { return m_mouse; }
  [[nodiscard]] virtual ListGeometry geometry() const = 0;
  // Rows were added, removed or moved from this row on: the pane updates its
  // scroll range, its edit field and redraws what it shows from there.
  virtual void rows_changed(std::int32_t first) = 0;
  virtual void redraw_row(std::int32_t row) = 0;
  virtual void scroll_into_view(std::int32_t row) = 0;
  // Makes the row the first in view, clamped to the rows there are.
  virtual void scroll_to(std::int32_t top) = 0;
  // The edit field over the cell the model says is being edited, holding
  // the text; its text now; and taking it away.
  virtual void show_edit_field(ZString* text) = 0;
  [[nodiscard]] virtual StringRef edit_field_text() const = 0;
  virtual void hide_edit_field() = 0;

 private:
  ListModel m_model;
  ListMouseState m_mouse;
};

// The list's pane as a list pane, null when it has none.
[[nodiscard]] ListPane* list_pane_of(ZObject* list);

}  // namespace zrt
