// What the files layer asks of the file system: the file under every stream,
// an open file handle with reading, writing and positioning, and the running
// program's own path. Closing a file is destroying it. Failures are not
// reported beyond what each operation gives: a failed read gets no bytes, a
// failed write is lost.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace zrt {

// Where a line reader gets its bytes.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Bytes got, 0 at the end or on failure.
  virtual std::int32_t read(void* buffer, std::int32_t count) = 0;
  virtual bool at_end() = 0;
};

class DiskFile : public ByteSource {
 public:
  virtual void write(const void* bytes, std::int32_t count) = 0;
  virtual std::int32_t position() = 0;
  virtual void set_position(std::int32_t position) = 0;
  virtual std::int32_t length() = 0;
  // Cuts or extends the file at `length`; the position stays.
  virtual void set_length(std::int32_t length) = 0;
  bool at_end() override { return position() >= length(); }
};

enum class FileAccess {
  Read,       // an existing file, reading only
  ReadWrite,  // an existing file, reading and writing
  Create,     // a new file, or an existing one emptied
};

// Null when the system refuses: no such file, no access, shared refused, or
// a folder.
[[nodiscard]] std::unique_ptr<DiskFile> open_disk_file(const std::string& path, FileAccess access);

// The full path of the running program, as the system names it.
[[nodiscard]] std::string executable_path();

}  // namespace zrt
