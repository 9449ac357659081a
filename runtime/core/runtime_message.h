// The runtime's own message boxes. A runtime message has one OK button, the
// caption of the settings ("Message", or the frame title in multiple-document
// mode) and the runtime's owner window. A failure message tells of a program
// that cannot be loaded, started or shown as its image says (a damaged image
// or definition): a stop icon, the system's caption, no owner, task-modal.
#pragma once

#include <string_view>

namespace zrt {

void show_runtime_message(std::string_view text);
void show_failure_message(std::string_view text);

}  // namespace zrt
