// The frame window of multiple-document mode: 640 by 480 pixels with the
// frame title of the settings, owner of the application's windows. Since
// the application does not end when its last window closes in this mode,
// closing the frame is how the user quits: it runs the quit sequence and,
// when no window refuses, ends the event loop.
#include "runtime/ui/native_windows.h"

#include "runtime/core/application.h"
#include "runtime/core/module_instance.h"
#include "runtime/ui/application_quit.h"

#include <windows.h>

#include <utility>

namespace zrt {
namespace {

constexpr char frame_class_name[] = "ZT_MDIFRAME";

HWND g_frame_window = nullptr;

LRESULT CALLBACK frame_procedure(HWND handle, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_CLOSE) return ::DefWindowProcA(handle, message, wparam, lparam);
  if (run_quit_sequence()) {
    application_state().quit = true;
    destroy_frame_window();
  }
  return 0;
}

void register_frame_class() {
  WNDCLASSA frame_class{};
  frame_class.lpfnWndProc = &frame_procedure;
  frame_class.hInstance = static_cast<HINSTANCE>(module_instance());
  frame_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  frame_class.lpszClassName = frame_class_name;
  static_cast<void>(::RegisterClassA(&frame_class));
}

}  // namespace

// FIXME: give the frame an MDI client that the application's windows live
// in; for now they are top-level windows the frame owns.
void create_frame_window(const std::string& title) {
  register_frame_class();
  g_frame_window = ::CreateWindowExA(0, frame_class_name, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr, nullptr,
                                     static_cast<HINSTANCE>(module_instance()), nullptr);
}

WindowHandle frame_window() { return g_frame_window; }

void destroy_frame_window() {
  if (g_frame_window != nullptr) ::DestroyWindow(std::exchange(g_frame_window, nullptr));
}

}  // namespace zrt
