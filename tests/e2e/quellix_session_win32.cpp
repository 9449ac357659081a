#include "tests/e2e/quellix_session.h"

#include <chrono>
#include <fstream>
#include <iterator>

namespace quellix {

std::string windows_path(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path.rfind('\\', 0) == 0 ? "Z:" + path : path;
}

std::string read_file(const std::string& path) {
  std::ifstream in(windows_path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string file_name(const std::string& path) {
  return path.substr(path.find_last_of("/\\") + 1);
}

Session::Session(const std::string& program) : m_program("\"" + program + "\"") {}

bool Session::confirm_about() {
  HWND about = driver::wait_for_window("", "About...", id());
  HWND ok = about ? driver::find_child(about, "Button", "OK") : nullptr;
  if (!ok) return false;
  driver::press_button(ok);
  return true;
}

bool Session::open(const std::string& path) { return confirm_about() && choose(path); }

bool Session::choose(const std::string& path) {
  if (!driver::choose_file(windows_path(path), id())) return false;
  m_main = driver::wait_for_window("", "Quellix 1.0", id());
  return m_main && settle(m_main);
}

HWND Session::button(HWND window, const char* caption) const {
  return driver::find_child(window, "Button", caption);
}

// The click is sent, not posted: a sent message is handled before posted
// ones, so a click posted and a settling message sent after it could be
// handled in the wrong order. The buttons pressed this way open no dialog.
bool Session::press(HWND window, const char* caption) {
  HWND found = button(window, caption);
  DWORD_PTR result = 0;
  const auto limit = static_cast<UINT>(driver::stretched(std::chrono::seconds(60)).count());
  return found && ::SendMessageTimeoutA(found, BM_CLICK, 0, 0, SMTO_NORMAL, limit, &result) != 0 && settle(window);
}

std::string Session::save(HWND window, const char* caption, const std::string& path) {
  HWND found = button(window, caption);
  if (!found) return "(no button " + std::string(caption) + ")";
  driver::press_button(found);
  if (!driver::choose_file(windows_path(path), id())) return "(no save dialog)";
  settle(window);
  return read_file(path);
}

HWND Session::show_plot(const std::string& input_name) {
  if (!press(m_main, "Show Plot")) return nullptr;
  HWND plot = driver::wait_for_window("", "Plot of " + input_name, id());
  if (plot) settle(plot);
  return plot;
}

bool Session::settle(HWND window) {
  const driver::Timeout limit = std::chrono::seconds(30);
  driver::wait_until([&] { return driver::find_window("#32770", "", id()) == nullptr; }, limit);
  DWORD_PTR result = 0;
  const auto stretched_limit = static_cast<UINT>(driver::stretched(limit).count());
  return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, stretched_limit, &result) != 0;
}

void Session::quit() {
  if (HWND quit = m_main ? button(m_main, "Quit") : nullptr) driver::press_button(quit);
}

}  // namespace quellix
