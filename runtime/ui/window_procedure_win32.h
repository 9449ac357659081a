// The top-level window procedure of "ZTWindow" and the message it records
// as the runtime's current message.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zrt {

struct CurrentMessage {
  HWND handle = nullptr;
  UINT message = 0;
  WPARAM wparam = 0;
  LPARAM lparam = 0;
  LONG time = 0;
  DWORD position = 0;
  std::uint32_t mouse_modifiers = 0;  // 0x1000 with Control, 0x200 with Shift, at the last click
  bool contextual_click = false;      // a right-button click is being handled
};

[[nodiscard]] const CurrentMessage& current_message();

LRESULT CALLBACK top_level_window_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace zrt
