// Checked reads and writes by address, and memory made of regions.
#include "runtime/core/checked_memory.h"

#include "runtime/core/assert.h"

#include <array>
#include <cstring>

namespace zrt {

std::optional<std::uint8_t> MemoryView::byte_at(Address address) const {
  std::array<std::uint8_t, 1> byte{};
  if (!read(address, byte)) return std::nullopt;
  return byte[0];
}

std::optional<std::uint32_t> MemoryView::word_at(Address address) const {
  std::array<std::uint8_t, 4> b{};
  if (!read(address, b)) return std::nullopt;
  return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

std::optional<std::int16_t> MemoryView::big_endian_i16_at(Address address) const {
  std::array<std::uint8_t, 2> b{};
  if (!read(address, b)) return std::nullopt;
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] << 8 | b[1]));
}

std::optional<std::int32_t> MemoryView::big_endian_i32_at(Address address) const {
  std::array<std::uint8_t, 4> b{};
  if (!read(address, b)) return std::nullopt;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) << 24 | static_cast<std::uint32_t>(b[1]) << 16 |
                                   static_cast<std::uint32_t>(b[2]) << 8 | static_cast<std::uint32_t>(b[3]));
}

bool MemoryView::store_word(Address address, std::uint32_t value) {
  const std::array<std::uint8_t, 4> b{static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                      static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  return write(address, b);
}

bool MemoryView::range_readable(Address start, std::uint32_t length) const {
  if (length == 0) return true;
  if (length - 1 > 0xFFFFFFFFu - start) return false;
  return byte_at(start) && byte_at(start + length - 1);
}

std::optional<std::vector<std::uint8_t>> MemoryView::copy_bytes(Address start, std::uint32_t length) const {
  if (!range_readable(start, length)) return std::nullopt;
  std::vector<std::uint8_t> bytes(length);
  if (!read(start, bytes)) return std::nullopt;
  return bytes;
}

void RegionMemory::add_region(Address base, std::span<std::uint8_t> bytes, Access access) {
  ZASSERT(bytes.size() <= 0x100000000ull - base, "a memory region wraps past the end of the address space");
  m_regions.push_back(Region{base, bytes, access});
}

const RegionMemory::Region* RegionMemory::region_of(Address address, std::size_t size) const {
  for (const Region& region : m_regions) {
    if (address < region.base) continue;
    const std::size_t offset = address - region.base;
    if (offset <= region.bytes.size() && size <= region.bytes.size() - offset) return &region;
  }
  return nullptr;
}

bool RegionMemory::read(Address address, std::span<std::uint8_t> out) const {
  const Region* region = region_of(address, out.size());
  if (region == nullptr) return false;
  if (!out.empty()) std::memcpy(out.data(), region->bytes.data() + (address - region->base), out.size());
  return true;
}

bool RegionMemory::write(Address address, std::span<const std::uint8_t> bytes) {
  const Region* region = region_of(address, bytes.size());
  if (region == nullptr || region->access != Access::ReadWrite) return false;
  if (!bytes.empty()) std::memcpy(region->bytes.data() + (address - region->base), bytes.data(), bytes.size());
  return true;
}

}  // namespace zrt
