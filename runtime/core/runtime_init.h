// The runtime's initialisation from the application descriptor, step by
// step in its fixed order. The system's part of each step (window classes,
// OLE, plug-ins, the menu bar, the frame window, failure messages, the
// debug trace) is
// behind StartupPlatform, so the order and the portable steps are the same
// on the target and in host tests.
#pragma once

#include "runtime/core/checked_memory.h"
#include "runtime/core/project_objects.h"
#include "runtime/core/runtime_classes.h"

#include <string>

namespace zrt {

class StartupPlatform {
 public:
  virtual ~StartupPlatform() = default;
  virtual void register_window_classes() = 0;
  virtual void initialise_ole() = 0;
  [[nodiscard]] virtual RoutineResolver routine_resolver() = 0;
  // Gives runtime classes the constructors and destructors that release
  // what their instances hold.
  virtual void complete_runtime_classes() = 0;
  virtual void install_plugins() = 0;
  // Empty when every member import was linked, else the message.
  [[nodiscard]] virtual std::string resolve_deferred_imports() = 0;
  virtual void install_menu_bar(const MenuBarStream& menu_bar) = 0;
  virtual void create_frame_window(const std::string& title) = 0;
  virtual void show_failure(const std::string& message) = 0;
  // Ends the process with the exit code; the system's version does not
  // return.
  virtual void end_program(int exit_code) = 0;
  // Diagnostics for the application's developer (a class smaller than its
  // superclass, say); the user never sees them.
  virtual void write_debug_trace(const std::string& text) = 0;
};

// The exit code of a program whose start failed.
inline constexpr int k_failed_start_exit_code = 1;

// Runs every step. Member imports that cannot be linked, or a class table or
// project objects that cannot be built, show their error and end the program
// with k_failed_start_exit_code: the image's code after RuntimeInit assumes a
// runtime that is ready. Returns whether it finished (false only where
// end_program returns, as in tests).
bool initialise_runtime(StartupPlatform& platform, MemoryView& data, Address application_descriptor);

}  // namespace zrt
