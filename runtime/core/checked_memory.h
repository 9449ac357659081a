// Checked access to memory by 32-bit address: the image's data, the stack
// that an exception walks, the code behind return addresses. Every read and
// write says whether the bytes exist, so corrupt image data or a foreign
// frame is noticed instead of crashing. The same logic runs on the host over
// byte buffers placed at made-up addresses.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zrt {

using Address = std::uint32_t;

class MemoryView {
 public:
  virtual ~MemoryView() = default;

  // All-or-nothing: false when any byte of the range is not accessible.
  [[nodiscard]] virtual bool read(Address address, std::span<std::uint8_t> out) const = 0;
  [[nodiscard]] virtual bool write(Address address, std::span<const std::uint8_t> bytes) = 0;

  [[nodiscard]] std::optional<std::uint8_t> byte_at(Address address) const;
  [[nodiscard]] std::optional<std::uint32_t> word_at(Address address) const;  // little-endian
  [[nodiscard]] std::optional<std::int16_t> big_endian_i16_at(Address address) const;
  [[nodiscard]] std::optional<std::int32_t> big_endian_i32_at(Address address) const;
  [[nodiscard]] bool store_word(Address address, std::uint32_t value);  // little-endian
  // Whether both ends of the range can be read: the check made before memory
  // is set aside for a copy, so a damaged length word costs no allocation of
  // its size.
  [[nodiscard]] bool range_readable(Address start, std::uint32_t length) const;
  // A copy of the range, or nothing when it cannot all be read.
  [[nodiscard]] std::optional<std::vector<std::uint8_t>> copy_bytes(Address start, std::uint32_t length) const;
};

enum class Access : std::uint8_t { ReadOnly, ReadWrite };

// Memory made of separate regions, each a block of bytes at a base address.
class RegionMemory : public MemoryView {
 public:
  // The bytes must outlive the view; a region may not wrap past 2^32.
  void add_region(Address base, std::span<std::uint8_t> bytes, Access access);

  [[nodiscard]] bool read(Address address, std::span<std::uint8_t> out) const override;
  [[nodiscard]] bool write(Address address, std::span<const std::uint8_t> bytes) override;

 private:
  struct Region {
    Address base;
    std::span<std::uint8_t> bytes;
    Access access;
  };
  [[nodiscard]] const Region* region_of(Address address, std::size_t size) const;

  std::vector<Region> m_regions;
};

}  // namespace zrt
