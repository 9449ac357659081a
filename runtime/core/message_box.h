// The one way the runtime shows a message box, so tests can answer it.
#pragma once

#include <string_view>

namespace zrt {

// Shows a modal message box (owner: a window handle or null; style: the
// system's MB_ flags) and returns the button the user chose.
int show_message_box(void* owner, std::string_view text, std::string_view caption, unsigned style);

}  // namespace zrt
