// The application state and the application object.
#include "runtime/core/application.h"

#include "runtime/core/class_table.h"
#include "runtime/core/events.h"
#include "runtime/core/runtime_classes.h"

namespace zrt {

ApplicationState& application_state() {
  static ApplicationState state;
  return state;
}

void reset_application_state() {
  application_state() = ApplicationState{};
}

void apply_settings(const Settings& settings) {
  ApplicationState& state = application_state();
  state.multiple_document = settings.mdi;
  state.frame_title = settings.frame_title;
  state.character_set_code = settings.character_set_code;
  state.file_types = settings.file_types;
}

void create_application_object() {
  ClassRecord* record = application_class();
  if (record == nullptr) record = &runtime_class("Application");
  ApplicationState& state = application_state();
  state.application = ObjectRef::adopt(new_instance(*record));
  raise_event(state.application.get(), {"Application", "Open"});
}

std::string message_box_caption() {
  const ApplicationState& state = application_state();
  return state.multiple_document ? state.frame_title : std::string("Message");
}

}  // namespace zrt
