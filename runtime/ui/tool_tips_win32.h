// Tool tips: one system tool-tip window per runtime window, holding a tool
// for each pane or window that has a text. A tool is keyed by the handle
// the pointer is over, or, for a pane that draws into its window, by an
// identifier and its rectangle in the window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zrt {

// The tool's text; an empty text removes the tool.
void set_handle_tool_tip(HWND root, HWND tool, const std::string& text);
void set_area_tool_tip(HWND root, UINT_PTR id, const RECT& area, const std::string& text);
void remove_tool_tips_of(HWND root, HWND tool, UINT_PTR id);

// The tool-tip window of a runtime window, or null when it has none yet.
[[nodiscard]] HWND tool_tip_window_of(HWND root);

}  // namespace zrt
