// Without a windowing system no control kind builds a pane; controls then
// only store their properties.
#include "runtime/ui/control_panes.h"

namespace zrt {

Pane* create_builtin_pane(ZObject*) { return nullptr; }

}  // namespace zrt
