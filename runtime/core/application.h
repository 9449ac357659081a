// The application's global state: the default font, the application object,
// the quit flag, the multiple-document flag and frame title of the settings,
// and the caption that message boxes take from them.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/core/settings_stream.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zrt {

struct ApplicationState {
  std::string default_font_name = "System";
  std::int16_t default_font_size = 12;
  ObjectRef application;
  ObjectRef mouse_cursor;            // the application's MouseCursor, shown over every window
  bool quit = false;                 // the event loop ends after the current turn
  bool loop_running = false;
  bool multiple_document = false;
  std::string frame_title;
  std::uint32_t character_set_code = 0;
  std::vector<FileType> file_types;  // for the open and save dialogs
};

[[nodiscard]] ApplicationState& application_state();
// Back to the state before start-up (tests).
void reset_application_state();

// Keeps what the rest of the run needs from the settings (the project
// objects have made the messages the runtime message table).
void apply_settings(const Settings& settings);

// An instance of the image's Application subclass, or of "Application"
// itself when the image has none; its Open handler runs once it is kept.
void create_application_object();

// "Message", or the frame title in multiple-document mode.
[[nodiscard]] std::string message_box_caption();

}  // namespace zrt
