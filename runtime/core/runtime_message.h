// The runtime's own message box: one OK button, the caption of the
// settings ("Message", or the frame title in multiple-document mode) and the
// runtime's owner window.
#pragma once

#include <string_view>

namespace zrt {

void show_runtime_message(std::string_view text);

}  // namespace zrt
