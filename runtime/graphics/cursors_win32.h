// Mouse cursors: MouseCursor objects holding a system cursor, and the choice
// of the cursor shown over a window.
#pragma once

#include <windows.h>

struct ZObject;

namespace zrt {

// The application's MouseCursor when it has one, else the given window's,
// else the arrow.
[[nodiscard]] HCURSOR cursor_over_window(ZObject* window_cursor);

}  // namespace zrt
