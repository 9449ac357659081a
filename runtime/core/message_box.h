// The one way the runtime shows a message box: start-up failures, unhandled
// exceptions and the language's MsgBox all come here. The shipped program
// shows the system's box; an in-process test installs an answerer that sees
// the text and gives the answer, so nothing waits for a person.
#pragma once

#include "runtime/core/window_hooks.h"

#include <string_view>

namespace zrt {

// Shows the box and returns the button chosen (the system's IDOK and so on).
// `style` takes the system's MB_ flags; an empty caption gives the system's
// own ("Error").
int show_message_box(WindowHandle owner, std::string_view text, std::string_view caption, unsigned style);

// Answers every box instead of the system while installed; null restores
// the system's box. Returns the answerer it replaces.
using MessageBoxAnswerer = int (*)(WindowHandle owner, std::string_view text, std::string_view caption,
                                   unsigned style);
MessageBoxAnswerer set_message_box_answerer(MessageBoxAnswerer answerer);

}  // namespace zrt
