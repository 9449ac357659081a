// The runtime's open windows, newest first, the modal stack of the modal
// windows' handles, newest first, and the owner rule for new windows and
// standard dialogs.
#pragma once

#include "runtime/ui/native_window.h"

#include <functional>

namespace zrt {

void insert_window(NativeWindow& window);
void remove_window(NativeWindow& window);
[[nodiscard]] NativeWindow* newest_window();
[[nodiscard]] std::size_t open_window_count();
// The window that owns the handle; null for a handle of no runtime window.
[[nodiscard]] NativeWindow* window_of_handle(WindowHandle handle);

void push_modal(WindowHandle handle);
void remove_modal(WindowHandle handle);
// The first handle of the modal stack whose window is visible; null for none.
[[nodiscard]] WindowHandle first_visible_modal(const std::function<bool(WindowHandle)>& is_visible);

// The first visible modal window; else the frame window (multiple-document
// mode, given as frame); else the newest document window that still exists;
// null when there is none.
[[nodiscard]] WindowHandle owner_window(const std::function<bool(WindowHandle)>& is_visible, WindowHandle frame);

}  // namespace zrt
