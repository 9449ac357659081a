// A small program for the driver's own test: a window with an edit box and a
// button that opens a message box. It exits with the length of the edit box's
// text, so the test can see that text it set arrived.
#include <windows.h>

namespace {

constexpr int k_edit_id = 10;
constexpr int k_button_id = 11;

LRESULT CALLBACK helper_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == k_button_id) ::MessageBoxA(window, "Hello from the helper", "Helper", MB_OK);
      return 0;
    case WM_CLOSE:
      ::PostQuitMessage(::GetWindowTextLengthA(::GetDlgItem(window, k_edit_id)));
      return 0;
  }
  return ::DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = helper_procedure;
  window_class.hInstance = instance;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = "DriverHelper";
  ::RegisterClassA(&window_class);
  HWND window = ::CreateWindowExA(0, "DriverHelper", "Driver Helper", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                  300, 150, nullptr, nullptr, instance, nullptr);
  ::CreateWindowExA(0, "EDIT", "start", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24, window,
                    reinterpret_cast<HMENU>(k_edit_id), instance, nullptr);
  ::CreateWindowExA(0, "BUTTON", "Greet", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 50, 100, 30, window,
                    reinterpret_cast<HMENU>(k_button_id), instance, nullptr);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
