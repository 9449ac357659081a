// What a list box's pane offers the list's routines and actions beyond
// being a pane: the model it shows, and being told what to redraw. The
// Win32 pane implements it (listbox_pane_win32.cpp), tests a pane of their
// own.
#pragma once

#include "runtime/ui/list_model.h"

#include <cstdint>

namespace zrt {

class ListPane {
 public:
  ListPane() = default;
  ListPane(const ListPane&) = delete;
  ListPane& operator=(const ListPane&) = delete;
  virtual ~ListPane() = default;

  [[nodiscard]] ListModel& model() { return m_model; }
  // Rows were added, removed or moved from this row on: the pane updates its
  // scroll range and redraws what it shows from there.
  virtual void rows_changed(std::int32_t first) = 0;
  virtual void redraw_row(std::int32_t row) = 0;
  virtual void scroll_into_view(std::int32_t row) = 0;

 private:
  ListModel m_model;
};

// The list's pane as a list pane, null when it has none.
[[nodiscard]] ListPane* list_pane_of(ZObject* list);

}  // namespace zrt
