// The runtime's record behind a live window: its kind and flags, the
// geometry it waits to apply, its place in the runtime's window list and the
// window object it holds a reference to. The system's window handle is kept
// opaque, so the list, the modal stack and the owner rule are portable.
#pragma once

#include "runtime/core/objects.h"
#include "runtime/core/strings.h"
#include "runtime/core/window_hooks.h"
#include "runtime/ui/frame_table.h"
#include "runtime/ui/placement.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zrt {

struct NativeWindow {
  WindowHandle handle = nullptr;
  WindowKind kind = 0;
  Bounds desired;                    // the client rectangle set through Left, Top, Width, Height
  bool shown = true;                 // set at creation, cleared by hiding
  bool resizable = false;
  bool active = false;
  std::uint32_t background = 0xFFFFFF;  // Win32 colour 0x00BBGGRR
  bool has_background = false;
  bool size_changed = false;         // Width or Height set since the last layout pass
  bool holds_menu_bar = false;
  bool tracking_mouse = false;       // MouseDown returned True and the capture is ours
  WindowHandle focus = nullptr;      // what had the keyboard focus when the window was deactivated
  bool closing = false;              // the closing sequence runs
  bool destroyed_by_system = false;  // the system destroys the handle (its owner went)
  StringRef title;
  std::vector<std::pair<std::string, std::int32_t>> named_flags;
  NativeWindow* next = nullptr;      // the next older window of the runtime's window list
  ObjectRef window;                  // the window object
  Word* instance_variable = nullptr; // the application's implicit instance variable, or none

  [[nodiscard]] std::int32_t named_flag(std::string_view name) const;
};

// The flag that marks the runtime's own windows for the quit sequence.
inline constexpr std::string_view runtime_view_flag = "RuntimeViewWindow";

}  // namespace zrt
