// Checking a packed bitmap's header against the size of its block.
#include "runtime/graphics/dib_layout.h"

namespace zrt {
namespace {

constexpr std::uint32_t info_header_size = 40;
constexpr std::uint32_t uncompressed = 0;
constexpr std::uint32_t bit_fields = 3;

std::uint32_t word_at(std::span<const std::uint8_t> block, std::size_t offset) {
  return block[offset] | block[offset + 1] << 8 | block[offset + 2] << 16 | static_cast<std::uint32_t>(block[offset + 3]) << 24;
}

std::uint32_t half_at(std::span<const std::uint8_t> block, std::size_t offset) {
  return block[offset] | block[offset + 1] << 8;
}

bool drawable_depth(std::uint32_t bits, std::uint32_t compression) {
  if (compression == bit_fields) return bits == 16 || bits == 32;
  return compression == uncompressed && (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32);
}

}  // namespace

std::optional<DibLayout> read_dib_layout(std::span<const std::uint8_t> block) {
  if (block.size() < info_header_size) return std::nullopt;
  const std::uint32_t header_size = word_at(block, 0);
  const auto width = static_cast<std::int32_t>(word_at(block, 4));
  const auto stored_height = static_cast<std::int32_t>(word_at(block, 8));
  const std::uint32_t bits = half_at(block, 14);
  const std::uint32_t compression = word_at(block, 16);
  const std::uint32_t colors_used = word_at(block, 32);
  if (header_size < info_header_size || header_size > block.size() || half_at(block, 12) != 1) return std::nullopt;
  if (width <= 0 || stored_height == 0 || stored_height == INT32_MIN || !drawable_depth(bits, compression))
    return std::nullopt;
  const std::uint64_t table_entries = bits <= 8 ? (colors_used != 0 ? colors_used : 1u << bits) : colors_used;
  if (bits <= 8 && table_entries > (1u << bits)) return std::nullopt;
  // The three masks follow a plain info header; longer headers hold them.
  const std::uint64_t masks = compression == bit_fields && header_size == info_header_size ? 12 : 0;
  const std::uint64_t offset = header_size + masks + 4 * table_entries;
  const std::int32_t height = stored_height < 0 ? -stored_height : stored_height;
  const std::uint64_t row_length = (std::uint64_t{static_cast<std::uint32_t>(width)} * bits + 31) / 32 * 4;
  if (offset + row_length * static_cast<std::uint32_t>(height) > block.size()) return std::nullopt;
  return DibLayout{width, height, static_cast<std::size_t>(offset)};
}

}  // namespace zrt
