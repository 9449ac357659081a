// Disk files on the system's file handles, and the module file name of the
// executable.
#include "runtime/files/file_system.h"

#include <windows.h>

namespace zrt {
namespace {

class HandleFile final : public DiskFile {
 public:
  explicit HandleFile(HFILE handle) : m_handle(handle) {}
  ~HandleFile() override { ::_lclose(m_handle); }

  std::int32_t read(void* buffer, std::int32_t count) override {
    // A failure is HFILE_ERROR, which as a byte count is negative.
    const auto got = static_cast<std::int32_t>(::_lread(m_handle, buffer, static_cast<UINT>(count)));
    return got < 0 ? 0 : got;
  }
  void write(const void* bytes, std::int32_t count) override {
    ::_lwrite(m_handle, static_cast<LPCCH>(bytes), static_cast<UINT>(count));
  }
  std::int32_t position() override { return ::_llseek(m_handle, 0, FILE_CURRENT); }
  void set_position(std::int32_t position) override { ::_llseek(m_handle, position, FILE_BEGIN); }
  std::int32_t length() override {
    const LONG position = ::_llseek(m_handle, 0, FILE_CURRENT);
    const LONG length = ::_llseek(m_handle, 0, FILE_END);
    ::_llseek(m_handle, position, FILE_BEGIN);
    return length;
  }
  // Writing no bytes sets the end of the file where the position is.
  void set_length(std::int32_t length) override {
    const LONG position = ::_llseek(m_handle, 0, FILE_CURRENT);
    ::_llseek(m_handle, length, FILE_BEGIN);
    ::_lwrite(m_handle, "", 0);
    ::_llseek(m_handle, position, FILE_BEGIN);
  }

 private:
  HFILE m_handle;
};

HFILE open_handle(const std::string& path, FileAccess access) {
  switch (access) {
    case FileAccess::Read: return ::_lopen(path.c_str(), OF_READ);
    case FileAccess::ReadWrite: return ::_lopen(path.c_str(), OF_READWRITE);
    case FileAccess::Create: return ::_lcreat(path.c_str(), 0);
  }
  return HFILE_ERROR;
}

}  // namespace

std::unique_ptr<DiskFile> open_disk_file(const std::string& path, FileAccess access) {
  const HFILE handle = open_handle(path, access);
  if (handle == HFILE_ERROR) return nullptr;
  return std::make_unique<HandleFile>(handle);
}

std::string executable_path() {
  char path[1024];
  const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof(path));
  return std::string(path, length < sizeof(path) ? length : 0);
}

}  // namespace zrt
