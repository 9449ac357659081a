// Reader for the headers of a PE32 executable: the DOS stub's pointer, the
// file header, the optional header's data directories and the section table,
// with the mapping from relative virtual addresses to file offsets. Every
// read is bounds-checked; malformed input raises PeError.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pe {

class PeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Section {
  std::string name;
  std::uint32_t virtual_address = 0;
  std::uint32_t virtual_size = 0;
  std::uint32_t raw_size = 0;
  std::uint32_t raw_offset = 0;
};

struct DataDirectory {
  std::uint32_t rva = 0;
  std::uint32_t size = 0;
};

// The optional header's directory of resources.
inline constexpr std::size_t k_resource_directory = 2;

class PeFile {
 public:
  explicit PeFile(std::span<const std::uint8_t> bytes);

  [[nodiscard]] const std::vector<Section>& sections() const { return m_sections; }
  // A data directory, or nullopt when the header has no such entry or it is empty.
  [[nodiscard]] std::optional<DataDirectory> directory(std::size_t index) const;

  // The file offset of `size` bytes at `rva`, which must lie in one
  // section's raw data; `what` names them in the error.
  [[nodiscard]] std::uint32_t file_offset(std::uint32_t rva, std::uint32_t size, std::string_view what) const;

  // Checked little-endian reads at a file offset.
  [[nodiscard]] std::uint16_t u16(std::uint64_t offset, std::string_view what) const;
  [[nodiscard]] std::uint32_t u32(std::uint64_t offset, std::string_view what) const;
  void require(std::uint64_t offset, std::uint64_t size, std::string_view what) const;

 private:
  void read_sections(std::uint32_t table, std::uint16_t count);

  std::span<const std::uint8_t> m_bytes;
  std::vector<DataDirectory> m_directories;
  std::vector<Section> m_sections;
};

}  // namespace pe
