// Locating resources through the index, and the two readers over it.
#include "runtime/core/resource_index.h"

#include <utility>

namespace zrt {
namespace {

constexpr char k_development_resources[] = "data3.dat";

std::optional<std::uint32_t> read_big_endian(ByteFile& file, std::uint64_t offset) {
  std::uint8_t bytes[4];
  if (!file.read_at(offset, bytes)) return std::nullopt;
  return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
         static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
}

}  // namespace

std::optional<std::uint64_t> locate_resource(ByteFile& file, std::uint64_t index_offset, std::int32_t number) {
  if (number < 1) return std::nullopt;
  const auto count = read_big_endian(file, index_offset);
  if (!count || static_cast<std::uint32_t>(number) > *count) return std::nullopt;
  const auto offset = read_big_endian(file, index_offset + 4ULL * static_cast<std::uint32_t>(number));
  if (!offset) return std::nullopt;
  return index_offset + 4 + 4ULL * *count + *offset;
}

ResourceReader::~ResourceReader() { close(); }

void ResourceReader::close() {
  if (m_file != nullptr) std::fclose(m_file);
  m_file = nullptr;
}

void ResourceReader::reset(std::string path, std::uint64_t index_offset) {
  close();
  m_path = std::move(path);
  m_index_offset = index_offset;
}

bool ResourceReader::read_at(std::uint64_t offset, std::span<std::uint8_t> into) {
  // The stdio offset type is a 32-bit long on the target; larger offsets do
  // not exist in the files the index lives in.
  if (offset > 0x7FFFFFFF) return false;
  if (std::fseek(m_file, static_cast<long>(offset), SEEK_SET) != 0) return false;
  return std::fread(into.data(), 1, into.size(), m_file) == into.size();
}

std::optional<ResourcePosition> ResourceReader::find(std::int32_t number) {
  if (m_file == nullptr && !m_path.empty()) m_file = std::fopen(m_path.c_str(), "rb");
  if (m_file == nullptr) return std::nullopt;
  const auto position = locate_resource(*this, m_index_offset, number);
  if (!position) return std::nullopt;
  return ResourcePosition{m_file, *position};
}

ResourceReader& cursor_resources() {
  static ResourceReader reader;
  return reader;
}

ResourceReader& media_resources() {
  static ResourceReader reader;
  return reader;
}

void set_resource_index(const std::string& executable_path, std::uint32_t index_offset) {
  if (index_offset == 0) {
    cursor_resources().reset(k_development_resources, 0);
  } else {
    cursor_resources().reset(executable_path, index_offset);
  }
  media_resources().reset(executable_path, index_offset);
}

}  // namespace zrt
