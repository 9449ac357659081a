// Plug-in controls as control kinds: each control class a plug-in registered
// gets a kind whose pane, drawn into its window, has the plug-in draw it.
#pragma once

namespace zrt {

// After the plug-ins are installed.
void give_plugin_controls_kinds();

}  // namespace zrt
