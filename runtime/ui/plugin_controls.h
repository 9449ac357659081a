// Plug-in controls on screen: the routine their classes answer CreatePane
// with, which gives the control a pane the plug-in draws.
#pragma once

#include "runtime/core/class_records.h"

namespace zrt {

[[nodiscard]] CodeAddress plugin_pane_routine();

}  // namespace zrt
