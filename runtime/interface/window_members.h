// What a window's definition may place besides its controls: runtime
// classes that are no controls, have no pane and draw nothing, but sit in
// the window's control table under their name all the same.
#pragma once

#include <string_view>

namespace zif {

inline constexpr std::string_view paneless_window_member_classes[] = {"Timer", "Socket"};

}  // namespace zif
