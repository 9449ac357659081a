// Installing the plug-ins the image entry recorded: each library is written
// into a per-user folder, loaded from there by its full path and entered;
// then the classes the plug-ins registered are completed.
#pragma once

namespace zrt {

void install_recorded_plugins();

}  // namespace zrt
