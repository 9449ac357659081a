// Checked word access to a loaded segment.
#include "runtime/core/image_block.h"

namespace zrt {

std::uint32_t load_u32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[offset + 2]) << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

void store_u32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::optional<std::uint32_t> ImageBlock::offset_of(std::uint32_t address) const {
  const std::uint32_t offset = address - m_base;  // wraps below the base, so one test covers both ends
  if (offset >= m_bytes.size()) return std::nullopt;
  return offset;
}

std::optional<std::uint32_t> ImageBlock::read_u32(std::uint64_t offset) const {
  if (!holds(offset, 4)) return std::nullopt;
  return load_u32(m_bytes, static_cast<std::size_t>(offset));
}

bool ImageBlock::write_u32(std::uint64_t offset, std::uint32_t value) const {
  if (!holds(offset, 4)) return false;
  store_u32(m_bytes, static_cast<std::size_t>(offset), value);
  return true;
}

bool ImageBlock::add_u32(std::uint64_t offset, std::uint32_t delta) const {
  const auto word = read_u32(offset);
  return word && write_u32(offset, *word + delta);
}

}  // namespace zrt
