// The panes the built-in control kinds build when they answer CreatePane:
// push button, static text, canvas and group box. Other kinds, and every
// kind on a system without windows, build none.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/ui/pane.h"

namespace zrt {

// The control's new pane, owned by the control's pane field; null when its
// kind builds none or its window has no native window.
[[nodiscard]] Pane* create_builtin_pane(ZObject* control);

}  // namespace zrt
