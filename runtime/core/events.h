// Raising an event on an object: the handler for the event that the
// object's class chain declares is found by the hook rule and called with
// the object first, then the event's arguments. Without a handler nothing
// happens and the result is 0 (False for a Boolean event). Events are named
// by an EventName, which the compiler checks against the interface tables.
#pragma once

#include "runtime/core/class_records.h"
#include "runtime/core/pointer_words.h"
#include "runtime/interface/abi_types.h"
#include "runtime/interface/event_names.h"

#include <initializer_list>

namespace zrt {

// The handler's routine; 0 when the chain declares no such event or nothing
// handles it.
[[nodiscard]] CodeAddress event_handler(const ZObject* object, zif::EventName event);
[[nodiscard]] bool has_event_handler(const ZObject* object, zif::EventName event);

// The handler's result word, 0 without handler. Arguments follow the object.
Word raise_event(ZObject* object, zif::EventName event, std::initializer_list<Word> arguments = {});
// A Boolean event: True only when a handler returned a nonzero word.
bool raise_boolean_event(ZObject* object, zif::EventName event, std::initializer_list<Word> arguments = {});

}  // namespace zrt
