// Computing, stamping and checking the checksum of a PE file.
#include "runtime/core/pe_checksum.h"

#include "runtime/core/image_block.h"

#include <cstring>

namespace zrt {
namespace {

constexpr std::size_t k_header_pointer = 0x3C;
// The signature "PE\0\0", the file header, then the optional header, whose
// CheckSum is its word at 64.
constexpr std::size_t k_checksum_from_signature = 4 + 20 + 64;

}  // namespace

std::optional<std::size_t> pe_checksum_offset(std::span<const std::uint8_t> file) {
  if (file.size() < k_header_pointer + 4 || file[0] != 'M' || file[1] != 'Z') return std::nullopt;
  const std::size_t signature = load_u32(file, k_header_pointer);
  if (signature > file.size() || file.size() - signature < k_checksum_from_signature + 4) return std::nullopt;
  if (std::memcmp(file.data() + signature, "PE\0\0", 4) != 0) return std::nullopt;
  return signature + k_checksum_from_signature;
}

std::uint32_t pe_checksum(std::span<const std::uint8_t> file, std::size_t checksum_offset) {
  // The field counts as zero, and so does the byte that pads an odd length.
  const auto byte = [&](std::size_t at) -> std::uint32_t {
    return at < file.size() && at - checksum_offset >= 4 ? file[at] : 0;
  };
  std::uint32_t sum = 0;
  for (std::size_t at = 0; at < file.size(); at += 2) {
    sum += byte(at) | byte(at + 1) << 8;
    sum = (sum & 0xFFFF) + (sum >> 16);
  }
  return sum + static_cast<std::uint32_t>(file.size());
}

bool stamp_pe_checksum(std::vector<std::uint8_t>& file) {
  const auto offset = pe_checksum_offset(file);
  if (!offset) return false;
  store_u32(file, *offset, pe_checksum(file, *offset));
  return true;
}

bool pe_checksum_matches(std::span<const std::uint8_t> file) {
  const auto offset = pe_checksum_offset(file);
  return offset && load_u32(file, *offset) == pe_checksum(file, *offset);
}

}  // namespace zrt
