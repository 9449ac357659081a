// The resource index: a table of big-endian words (a count, then the offset
// of each resource from the end of the table) in a file, at an offset the
// PICKLE resource gives. The readers keep their file open once it has been
// opened and hand it out with the resource's absolute position.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>

namespace zrt {

class ByteFile {
 public:
  virtual ~ByteFile() = default;
  // Fills `into` from `offset`; false when the file ends first.
  [[nodiscard]] virtual bool read_at(std::uint64_t offset, std::span<std::uint8_t> into) = 0;
};

// The absolute position of resource `number` (counted from 1) of the index at
// `index_offset`; nullopt for a number outside 1..count or an index the file
// cannot hold.
[[nodiscard]] std::optional<std::uint64_t> locate_resource(ByteFile& file, std::uint64_t index_offset,
                                                           std::int32_t number);

struct ResourcePosition {
  std::FILE* file;
  std::uint64_t position;
};

class ResourceReader : private ByteFile {
 public:
  ResourceReader() = default;
  ResourceReader(const ResourceReader&) = delete;
  ResourceReader& operator=(const ResourceReader&) = delete;
  ~ResourceReader() override;

  // Chooses the file and the index; a file already open is closed.
  void reset(std::string path, std::uint64_t index_offset);

  // Opens the file on first use; nullopt when it cannot be opened or the
  // resource is not in the index.
  [[nodiscard]] std::optional<ResourcePosition> find(std::int32_t number);

 private:
  bool read_at(std::uint64_t offset, std::span<std::uint8_t> into) override;
  void close();

  std::string m_path;
  std::uint64_t m_index_offset = 0;
  std::FILE* m_file = nullptr;
};

// The two readers the loader sets up. Cursors read the executable, or the
// development file data3.dat when the image came from development files (an
// index offset of 0); sounds and movies always read the executable.
void set_resource_index(const std::string& executable_path, std::uint32_t index_offset);
[[nodiscard]] ResourceReader& cursor_resources();
[[nodiscard]] ResourceReader& media_resources();

}  // namespace zrt
