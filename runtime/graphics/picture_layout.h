// The layout of a picture's bitmap: the packed header (a 40-byte Windows
// bitmap-info header and the colour table of the depth) and the row length
// in bytes. Portable, so the bytes the system is given are checked anywhere.
#pragma once

#include <cstdint>
#include <vector>

namespace zrt {

inline constexpr std::int32_t bitmap_info_header_size = 40;

// One colour table entry as the system stores it: blue, green, red, unused.
struct TableColor {
  std::uint8_t blue = 0;
  std::uint8_t green = 0;
  std::uint8_t red = 0;
  std::uint8_t reserved = 0;
  bool operator==(const TableColor&) const = default;
};

// Empty for the direct-colour depths and for depths no table is made for.
[[nodiscard]] std::vector<TableColor> color_table_for_depth(std::int32_t depth);

// Bytes per row, each row padded to 4 bytes; 0 for a depth with no recorded
// row length (24 and the unsupported ones) and for a width with no bytes or
// more than 32 bits of them.
[[nodiscard]] std::int32_t row_length_for(std::int32_t width, std::int32_t depth);

// The header with its colour table: height stored as -height (rows top-down),
// one plane, the depth as bit count, no compression.
[[nodiscard]] std::vector<std::uint8_t> bitmap_header_for(std::int32_t width, std::int32_t height,
                                                          std::int32_t depth);

// A header of that bit count with the given table, which may be shorter
// than the bit count allows.
[[nodiscard]] std::vector<std::uint8_t> bitmap_header_with_table(std::int32_t width, std::int32_t height,
                                                                 std::int32_t bit_count,
                                                                 const std::vector<TableColor>& table);

// The colour table entries that follow a packed header.
[[nodiscard]] std::vector<TableColor> color_table_of_header(const std::vector<std::uint8_t>& header);

}  // namespace zrt
