// One run of Quellix driven as a user drives it, for the end-to-end tests
// and the `make run` demonstration: "OK" in the About window, a Gaussian
// output file in the open dialog, then the buttons of the main window and of
// the plot windows.
#pragma once

#include "tests/driver/gui_driver.h"

#include <windows.h>

#include <string>

namespace quellix {

// A path of the Linux file system as Wine sees it (drive Z:); other paths
// stay as they are.
std::string windows_path(std::string path);
std::string read_file(const std::string& path);
// The last part of a path.
std::string file_name(const std::string& path);

// The canvas of a plot window, where the plot window's client area has it.
inline constexpr int canvas_left = 15, canvas_top = 15;
inline constexpr int canvas_width = 526, canvas_height = 378;

class Session {
 public:
  explicit Session(const std::string& program);

  bool started() const { return m_program.started(); }
  DWORD id() const { return m_program.id(); }
  driver::Process& process() { return m_program; }
  HWND main() const { return m_main; }

  // "OK" in the About window; the open dialog follows.
  bool confirm_about();
  // "OK", then `path` in the open dialog: the main window with the file read.
  bool open(const std::string& path);
  // `path` in the open dialog that follows the About window.
  bool choose(const std::string& path);

  HWND button(HWND window, const char* caption) const;
  // Presses a button whose handler opens no dialog and waits until the
  // handler has run to its end.
  bool press(HWND window, const char* caption);
  // Presses a button that asks where to save, answers `path`, and gives what
  // was written there.
  std::string save(HWND window, const char* caption, const std::string& path);
  // "Show Plot": the new plot window, once its canvas shows the plot.
  HWND show_plot(const std::string& input_name);
  // Waits until no dialog of the program is open and the window's thread
  // has handled everything posted to it before.
  bool settle(HWND window);
  // "Quit" in the main window.
  void quit();

 private:
  driver::Process m_program;
  HWND m_main = nullptr;
};

}  // namespace quellix
