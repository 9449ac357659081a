// Finding and calling event handlers.
#include "runtime/core/events.h"

#include "runtime/core/assert.h"
#include "runtime/core/code_calls.h"
#include "runtime/core/objects.h"

#include <array>

namespace zrt {

CodeAddress event_handler(const ZObject* object, zif::EventName event) {
  if (object == nullptr) return 0;
  const ClassRecord* record = class_of(object);
  const EventEntry* declaration = find_event_declaration(record, event.name());
  return declaration == nullptr ? 0 : find_event_handler(record, declaration);
}

bool has_event_handler(const ZObject* object, zif::EventName event) {
  return event_handler(object, event) != 0;
}

Word raise_event(ZObject* object, zif::EventName event, std::initializer_list<Word> arguments) {
  const CodeAddress handler = event_handler(object, event);
  if (handler == 0) return 0;
  ZASSERT(arguments.size() < max_code_arguments, "an event with more arguments than a call takes");
  std::array<Word, max_code_arguments> words{word_of_pointer(object)};
  std::size_t count = 1;
  for (Word argument : arguments) words[count++] = argument;
  // The object lives at least as long as its handler runs, even when the
  // handler drops the last reference the application held (closing it).
  const ObjectRef keep = ObjectRef::share(object);
  return call_code(handler, std::span(words.data(), count));
}

bool raise_boolean_event(ZObject* object, zif::EventName event, std::initializer_list<Word> arguments) {
  return raise_event(object, event, arguments) != 0;
}

}  // namespace zrt
