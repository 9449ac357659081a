// Must not compile: raises the window's Close event by a misspelt name. The
// test misspelt_event_fails_to_build builds it and expects the compiler to
// reject the name.
#include "runtime/core/events.h"

void raise_misspelt_close(ZObject* window) { zrt::raise_event(window, {"Window", "Clsoe"}); }
