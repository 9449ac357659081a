// A driver for Win32 user interfaces in tests: finds windows, presses buttons,
// reads and sets texts, answers message boxes and file dialogs, sends keys and
// captures client areas. Everything works on windows of this process and of
// other processes (the end-to-end tests drive the program as a separate
// process), so clicks are posted rather than sent: a handler that opens a
// modal dialog must not block the driver.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace driver {

using Timeout = std::chrono::milliseconds;
inline constexpr Timeout k_default_timeout = std::chrono::seconds(10);

// A wait as long as this machine needs: the timeout times the whole number in
// the environment variable Z_TEST_TIME_SCALE (1 when unset or not a positive
// number), for machines that run the programs many times slower than usual,
// such as an emulated one. Every wait of the driver goes through it.
[[nodiscard]] Timeout stretched(Timeout timeout);

// Asks `ready` every 20 ms until it answers true or the (stretched) timeout
// has passed; whether it did. Every wait of the driver is one of these.
template <typename Ready>
bool wait_until(Ready ready, Timeout timeout = k_default_timeout) {
  const auto end = std::chrono::steady_clock::now() + stretched(timeout);
  while (!ready()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

// Waits until a top-level window of that class and title is visible (an empty
// class or title matches any), of the given process or of any (0). Tests run
// side by side, so a search for a system dialog names its process. Returns
// null when none appears in time.
HWND wait_for_window(std::string_view class_name, std::string_view title, DWORD process_id = 0,
                     Timeout timeout = k_default_timeout);

// A top-level window of the process that is visible now, or null.
HWND find_window(std::string_view class_name, std::string_view title, DWORD process_id = 0);

std::vector<HWND> child_windows(HWND parent);

// The first direct or indirect child of that class (empty: any) whose text is
// `text` (empty: any).
HWND find_child(HWND parent, std::string_view class_name, std::string_view text);

std::string window_text(HWND window);
std::string class_name(HWND window);
void set_window_text(HWND window, std::string_view text);

// Posts a click to a button; the button's handler runs in its own thread.
void press_button(HWND button);

// Posts a key press (down and up) and, for printable keys, the character.
void send_key(HWND window, WORD virtual_key);
void type_text(HWND window, std::string_view text);

// A message box of the process: waits for it, reads its text, presses the
// button (OK unless another is named, such as IDYES). Returns the text, or
// nothing when no message box appears in time.
std::optional<std::string> answer_message_box(DWORD process_id = 0, Timeout timeout = k_default_timeout,
                                              int button = IDOK);

// The common open or save dialog: waits for it, then either enters a path in
// its file-name box and confirms it, or cancels. False when no dialog appears.
bool choose_file(const std::string& path, DWORD process_id = 0, Timeout timeout = k_default_timeout);
bool cancel_file_dialog(DWORD process_id = 0, Timeout timeout = k_default_timeout);
// The entries of a file dialog's file-type box, once the dialog is there;
// nothing when no dialog appears.
std::optional<std::vector<std::string>> file_dialog_types(DWORD process_id = 0, Timeout timeout = k_default_timeout);

// Pixels as 0x00RRGGBB, row by row from the top.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The client area as it is on the screen now.
Image capture_client(HWND window);

// Captures the client area until `shows` holds for the picture or the
// driver's patience ends; the last capture.
template <typename Shows>
Image capture_client_when(HWND window, Shows shows, Timeout timeout = k_default_timeout) {
  Image image;
  wait_until(
      [&] {
        image = capture_client(window);
        return image.width > 0 && image.height > 0 && shows(image);
      },
      timeout);
  return image;
}
bool save_png(const Image& image, const std::string& path);

// A process started for a test; it is killed if still running when the
// handle goes.
class Process {
 public:
  explicit Process(const std::string& command_line, const std::string& directory = {});
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool started() const { return m_info.hProcess != nullptr; }
  DWORD id() const { return m_info.dwProcessId; }
  // The exit code, or nothing when the process is still running after the wait.
  std::optional<DWORD> wait(Timeout timeout = k_default_timeout);

 private:
  PROCESS_INFORMATION m_info{};
};

}  // namespace driver
