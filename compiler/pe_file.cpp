// Parsing the PE32 headers: "MZ" and the pointer at 0x3C, "PE\0\0", the file
// header (20 bytes), the optional header (magic 0x10B; directory count at 92,
// directories from 96) and the 40-byte section headers after it.
#include "compiler/pe_file.h"

#include "compiler/text_format.h"

#include <algorithm>

namespace pe {
namespace {

constexpr std::uint32_t k_new_header_pointer = 0x3C;
constexpr std::uint32_t k_file_header_size = 20;
constexpr std::uint16_t k_pe32_magic = 0x10B;
constexpr std::uint32_t k_directory_count_offset = 92;
constexpr std::uint32_t k_directories_offset = 96;
constexpr std::uint32_t k_section_header_size = 40;

}  // namespace

PeFile::PeFile(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {
  if (bytes.size() < 2 || bytes[0] != 'M' || bytes[1] != 'Z') throw PeError("not an executable: no \"MZ\" signature");
  const std::uint32_t header = u32(k_new_header_pointer, "the PE header pointer");
  require(header, 4, "the PE signature");
  if (bytes[header] != 'P' || bytes[header + 1] != 'E' || bytes[header + 2] != 0 || bytes[header + 3] != 0) {
    throw PeError("not a PE executable: no \"PE\" signature at " + text::hex(header));
  }
  const std::uint64_t file_header = header + 4ULL;
  const std::uint16_t section_count = u16(file_header + 2, "the file header");
  const std::uint16_t optional_size = u16(file_header + 16, "the file header");
  const std::uint64_t optional = file_header + k_file_header_size;
  require(optional, optional_size, "the optional header");
  if (optional_size < k_directories_offset || u16(optional, "the optional header") != k_pe32_magic) {
    throw PeError("not a 32-bit PE executable: the optional header is not a PE32 header");
  }
  const std::uint32_t directory_count = u32(optional + k_directory_count_offset, "the optional header");
  const std::uint32_t fitting = (optional_size - k_directories_offset) / 8;
  for (std::uint32_t i = 0; i < std::min(directory_count, fitting); ++i) {
    const std::uint64_t at = optional + k_directories_offset + 8ULL * i;
    m_directories.push_back({u32(at, "a data directory"), u32(at + 4, "a data directory")});
  }
  read_sections(static_cast<std::uint32_t>(optional + optional_size), section_count);
}

void PeFile::read_sections(std::uint32_t table, std::uint16_t count) {
  require(table, std::uint64_t{k_section_header_size} * count, "the section table");
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint64_t at = table + std::uint64_t{k_section_header_size} * i;
    const auto* name = reinterpret_cast<const char*>(m_bytes.data() + at);
    Section section;
    section.name.assign(name, std::find(name, name + 8, '\0'));
    section.virtual_size = u32(at + 8, "a section header");
    section.virtual_address = u32(at + 12, "a section header");
    section.raw_size = u32(at + 16, "a section header");
    section.raw_offset = u32(at + 20, "a section header");
    m_sections.push_back(section);
  }
}

std::optional<DataDirectory> PeFile::directory(std::size_t index) const {
  if (index >= m_directories.size() || m_directories[index].rva == 0) return std::nullopt;
  return m_directories[index];
}

std::uint32_t PeFile::file_offset(std::uint32_t rva, std::uint32_t size, std::string_view what) const {
  for (const Section& section : m_sections) {
    const std::uint64_t start = section.virtual_address;
    if (rva < start || rva - start >= section.raw_size) continue;
    if (size > section.raw_size - (rva - start)) break;
    const std::uint64_t offset = section.raw_offset + (rva - start);
    require(offset, size, what);
    return static_cast<std::uint32_t>(offset);
  }
  throw PeError(text::format("{} at RVA {} ({} bytes) is not in any section's file data", what, text::hex(rva),
                             size));
}

void PeFile::require(std::uint64_t offset, std::uint64_t size, std::string_view what) const {
  if (offset > m_bytes.size() || size > m_bytes.size() - offset) {
    throw PeError(text::format("the file ends inside {} (offset {})", what, text::hex(offset)));
  }
}

std::uint16_t PeFile::u16(std::uint64_t offset, std::string_view what) const {
  require(offset, 2, what);
  return static_cast<std::uint16_t>(m_bytes[offset] | m_bytes[offset + 1] << 8);
}

std::uint32_t PeFile::u32(std::uint64_t offset, std::string_view what) const {
  require(offset, 4, what);
  return static_cast<std::uint32_t>(u16(offset, what)) | static_cast<std::uint32_t>(u16(offset + 2, what)) << 16;
}

}  // namespace pe
