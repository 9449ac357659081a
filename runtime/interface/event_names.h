// The names the runtime raises events by, checked against the interface
// tables when the runtime is compiled: an EventName can only be made at
// compile time, from the runtime class an event is raised on and an event
// that this class or one of its superclasses declares. A misspelt event, or
// one raised on a class that does not declare it, is a compile error instead
// of a handler that is silently never found.
#pragma once

#include "runtime/interface/interface.h"

#include <string_view>

namespace zif {

// True when the runtime class or one of its superclasses declares the event;
// false for a name no runtime class has.
constexpr bool class_declares_event(std::string_view class_name, std::string_view event) {
  bool declares = false;
  for_each_runtime_class([&](const ClassDecl& declared) {
    if (declared.name != class_name) return;
    for (const EventDecl& candidate : declared.events) declares |= candidate.name == event;
    if (!declares && !declared.superclass.empty()) declares = class_declares_event(declared.superclass, event);
  });
  return declares;
}

// Classes is one class name, or several joined by '|' ("Window|Listbox")
// when the object may be of any of them; each of them must declare the event.
constexpr bool classes_declare_event(std::string_view classes, std::string_view event) {
  for (;;) {
    const std::size_t bar = classes.find('|');
    if (!class_declares_event(classes.substr(0, bar), event)) return false;
    if (bar == std::string_view::npos) return true;
    classes.remove_prefix(bar + 1);
  }
}

// Never defined: an EventName whose event does not check calls it, which is
// not a constant expression, so the compiler names this function at the
// offending raise.
void event_not_declared_by_the_raising_class();

// An event as the runtime raises it, such as {"Window", "Close"}; only its
// name is kept, for finding the handler at run time.
class EventName {
 public:
  consteval EventName(std::string_view classes, std::string_view name) : m_name(name) {
    if (!classes_declare_event(classes, name)) event_not_declared_by_the_raising_class();
  }

  [[nodiscard]] constexpr std::string_view name() const { return m_name; }

 private:
  std::string_view m_name;
};

}  // namespace zif
