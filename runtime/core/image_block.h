// One loaded segment of the image: its bytes and the 32-bit address at which
// the application code sees them. Words are read and written through checked
// little-endian accessors rather than through pointers, so the same fixup
// logic runs on the target and on a 64-bit host with a made-up base.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zrt {

// Little-endian words over bytes; the caller guarantees the word is inside.
[[nodiscard]] std::uint32_t load_u32(std::span<const std::uint8_t> bytes, std::size_t offset);
void store_u32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value);

class ImageBlock {
 public:
  ImageBlock() = default;
  ImageBlock(std::span<std::uint8_t> bytes, std::uint32_t base) : m_bytes(bytes), m_base(base) {}

  [[nodiscard]] std::span<std::uint8_t> bytes() const { return m_bytes; }
  [[nodiscard]] std::uint32_t base() const { return m_base; }
  [[nodiscard]] std::size_t size() const { return m_bytes.size(); }

  // Whether `count` bytes from `offset` lie inside the block, without overflow.
  [[nodiscard]] bool holds(std::uint64_t offset, std::uint64_t count) const {
    return offset <= m_bytes.size() && count <= m_bytes.size() - offset;
  }
  // The block offset of an address the application uses, if it points inside.
  [[nodiscard]] std::optional<std::uint32_t> offset_of(std::uint32_t address) const;

  [[nodiscard]] std::optional<std::uint32_t> read_u32(std::uint64_t offset) const;
  [[nodiscard]] bool write_u32(std::uint64_t offset, std::uint32_t value) const;
  // Adds `delta` to the word at `offset` (wrapping, as 32-bit addresses do).
  [[nodiscard]] bool add_u32(std::uint64_t offset, std::uint32_t delta) const;

 private:
  std::span<std::uint8_t> m_bytes;
  std::uint32_t m_base = 0;
};

}  // namespace zrt
