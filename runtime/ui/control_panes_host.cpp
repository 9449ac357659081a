// Without a windowing system no control kind builds a pane.
#include "runtime/ui/control_panes.h"

namespace zrt {

Pane* make_push_button_pane(ZObject*, const ControlKind&) { return nullptr; }
Pane* make_static_text_pane(ZObject*, const ControlKind&) { return nullptr; }
Pane* make_canvas_pane(ZObject*, const ControlKind&) { return nullptr; }
Pane* make_group_box_pane(ZObject*, const ControlKind&) { return nullptr; }
Pane* make_listbox_pane(ZObject*, const ControlKind&) { return nullptr; }
Pane* make_drawn_pane(ZObject*, const ControlKind&) { return nullptr; }

}  // namespace zrt
