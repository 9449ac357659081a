// Message boxes through the system's MessageBoxA.
#include "runtime/core/message_box.h"

#include <windows.h>

#include <string>

namespace zrt {

int show_message_box(void* owner, std::string_view text, std::string_view caption, unsigned style) {
  const std::string text_z(text);
  const std::string caption_z(caption);
  return ::MessageBoxA(static_cast<HWND>(owner), text_z.c_str(), caption_z.c_str(), style);
}

}  // namespace zrt
