// Events are named through the interface tables: an event raised on a class
// checks against that class and its superclasses, and nothing else. (That a
// raise with an event that does not check fails to compile is the test
// misspelt_event_fails_to_build.)
#include "runtime/core/events.h"

namespace {

using zif::classes_declare_event;

static_assert(classes_declare_event("Window", "Close"));
static_assert(!classes_declare_event("Window", "Clsoe"), "a misspelt event");
static_assert(!classes_declare_event("Window", "close"), "the case of an event's name counts");
static_assert(!classes_declare_event("Timer", "Close"), "an event that only other classes declare");
static_assert(classes_declare_event("Canvas", "MouseMove"), "declared by the superclass RectControl");
static_assert(classes_declare_event("Dialog", "CancelClose"), "a class without events of its own inherits them");
static_assert(!classes_declare_event("Control", "MouseMove"), "declared only by a subclass");
static_assert(!classes_declare_event("Windw", "Close"), "an unknown class");
static_assert(classes_declare_event("Window|Listbox", "KeyDown"), "each alternative declares it");
static_assert(!classes_declare_event("Window|PushButton", "KeyDown"), "one alternative does not declare it");
static_assert(!classes_declare_event("Window|", "Close"), "an empty alternative");
static_assert(zif::EventName{"Listbox", "Change"}.name() == "Change", "only the event's own name is raised");

}  // namespace
