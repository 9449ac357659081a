// Where the pixels of a packed device-independent bitmap (the clipboard's
// CF_DIB data) lie: after the header, the colour masks and the colour table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zrt {

struct DibLayout {
  std::int32_t width = 0;
  std::int32_t height = 0;  // rows, whichever way they are stored
  std::size_t pixels_offset = 0;
};

// Nothing for a block whose header is not a bitmap the system draws, or
// whose colour table or pixels would run past the block's end.
[[nodiscard]] std::optional<DibLayout> read_dib_layout(std::span<const std::uint8_t> block);

}  // namespace zrt
