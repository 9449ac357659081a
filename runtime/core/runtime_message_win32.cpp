// The runtime's message box through the message-box seam.
#include "runtime/core/runtime_message.h"

#include "runtime/core/application.h"
#include "runtime/core/message_box.h"
#include "runtime/core/window_hooks.h"

#include <windows.h>

namespace zrt {

void show_runtime_message(std::string_view text) {
  static_cast<void>(show_message_box(window_hooks().owner_window(), text, message_box_caption(), MB_OK));
}

void show_failure_message(std::string_view text) {
  static_cast<void>(show_message_box(nullptr, text, "", MB_OK | MB_ICONSTOP | MB_TASKMODAL));
}

}  // namespace zrt
