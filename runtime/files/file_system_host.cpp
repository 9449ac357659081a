// Disk files on POSIX descriptors, where there is no Windows: the same
// operations, so the streams are tested natively on real files. The running
// program's path is written as Wine shows it (drive Z: is the root of the
// file system), so folder items resolve names against it as on Windows.
#include "runtime/files/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace zrt {
namespace {

class DescriptorFile final : public DiskFile {
 public:
  explicit DescriptorFile(int descriptor) : m_descriptor(descriptor) {}
  ~DescriptorFile() override { ::close(m_descriptor); }

  std::int32_t read(void* buffer, std::int32_t count) override {
    const ssize_t got = ::read(m_descriptor, buffer, static_cast<std::size_t>(count));
    return got < 0 ? 0 : static_cast<std::int32_t>(got);
  }
  void write(const void* bytes, std::int32_t count) override {
    [[maybe_unused]] const ssize_t written = ::write(m_descriptor, bytes, static_cast<std::size_t>(count));
  }
  std::int32_t position() override { return static_cast<std::int32_t>(::lseek(m_descriptor, 0, SEEK_CUR)); }
  void set_position(std::int32_t position) override { ::lseek(m_descriptor, position, SEEK_SET); }
  std::int32_t length() override {
    struct stat status {};
    return ::fstat(m_descriptor, &status) == 0 ? static_cast<std::int32_t>(status.st_size) : 0;
  }
  void set_length(std::int32_t length) override {
    [[maybe_unused]] const int result = ::ftruncate(m_descriptor, length);
  }

 private:
  int m_descriptor;
};

int open_descriptor(const std::string& path, FileAccess access) {
  switch (access) {
    case FileAccess::Read: return ::open(path.c_str(), O_RDONLY);
    case FileAccess::ReadWrite: return ::open(path.c_str(), O_RDWR);
    case FileAccess::Create: return ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
  }
  return -1;
}

bool is_folder(int descriptor) {
  struct stat status {};
  return ::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

std::unique_ptr<DiskFile> open_disk_file(const std::string& path, FileAccess access) {
  const int descriptor = open_descriptor(path, access);
  if (descriptor < 0) return nullptr;
  if (is_folder(descriptor)) {
    ::close(descriptor);
    return nullptr;
  }
  return std::make_unique<DescriptorFile>(descriptor);
}

std::string executable_path() {
  std::error_code failed;
  std::string path = std::filesystem::read_symlink("/proc/self/exe", failed).string();
  for (char& c : path)
    if (c == '/') c = '\\';
  return failed ? std::string() : "Z:" + path;
}

}  // namespace zrt
