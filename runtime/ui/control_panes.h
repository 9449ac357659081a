// The pane factories of the built-in control kinds, one per kind, each
// defined in its kind's pane file (push_button_pane_win32.cpp and the like)
// and named by the kind's descriptor. On a system without windows
// (control_panes_host.cpp) they build nothing; controls then only store
// their properties.
#pragma once

#include "runtime/ui/control_kinds.h"

namespace zrt {

[[nodiscard]] Pane* make_push_button_pane(ZObject* control, const ControlKind& kind);
[[nodiscard]] Pane* make_static_text_pane(ZObject* control, const ControlKind& kind);
[[nodiscard]] Pane* make_canvas_pane(ZObject* control, const ControlKind& kind);
[[nodiscard]] Pane* make_group_box_pane(ZObject* control, const ControlKind& kind);
[[nodiscard]] Pane* make_listbox_pane(ZObject* control, const ControlKind& kind);

// A pane without a window of its own that draws through the kind's drawing
// (ControlKind::draw) whenever its window is painted: the pane factory for
// kinds whose drawing comes from outside the runtime, such as plug-ins'.
[[nodiscard]] Pane* make_drawn_pane(ZObject* control, const ControlKind& kind);

}  // namespace zrt
