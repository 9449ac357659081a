// Starting and watching the processes that end-to-end tests drive.
#include "tests/driver/gui_driver.h"

namespace driver {

Process::Process(const std::string& command_line, const std::string& directory) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string mutable_line = command_line;
  if (!::CreateProcessA(nullptr, mutable_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &m_info))
    m_info = {};
}

Process::~Process() {
  if (!m_info.hProcess) return;
  if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
    ::TerminateProcess(m_info.hProcess, 1);
    ::WaitForSingleObject(m_info.hProcess, 5000);
  }
  ::CloseHandle(m_info.hThread);
  ::CloseHandle(m_info.hProcess);
}

std::optional<DWORD> Process::wait(Timeout timeout) {
  if (!m_info.hProcess) return std::nullopt;
  if (::WaitForSingleObject(m_info.hProcess, static_cast<DWORD>(stretched(timeout).count())) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD code = 0;
  ::GetExitCodeProcess(m_info.hProcess, &code);
  return code;
}

}  // namespace driver
