// Reading the three names of a device-names block within its bounds.
#include "runtime/graphics/device_names.h"

#include <algorithm>

namespace zrt {
namespace {

constexpr std::size_t offsets_size = 8;  // driver, device, port offsets and the default flag

std::optional<std::string> name_at(std::span<const std::uint8_t> block, std::size_t word) {
  const std::size_t offset = block[2 * word] | (block[2 * word + 1] << 8);
  if (offset < offsets_size || offset >= block.size()) return std::nullopt;
  const auto begin = block.begin() + static_cast<std::ptrdiff_t>(offset);
  const auto end = std::find(begin, block.end(), std::uint8_t{0});
  if (end == block.end()) return std::nullopt;
  return std::string(begin, end);
}

}  // namespace

std::optional<PrinterNames> read_device_names(std::span<const std::uint8_t> block) {
  if (block.size() < offsets_size) return std::nullopt;
  auto driver = name_at(block, 0);
  auto device = name_at(block, 1);
  auto port = name_at(block, 2);
  if (!driver || !device || !port) return std::nullopt;
  return PrinterNames{std::move(*driver), std::move(*device), std::move(*port)};
}

}  // namespace zrt
