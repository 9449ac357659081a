// Windows bitmap files written from a description, for the tests of the
// reader, of opening pictures and of the fuzz test: any header kind, depth,
// row order, colour table and masks, with the pixels given as raw values.
#pragma once

#include "runtime/graphics/bitmap_file.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace bitmap_tests {

enum class HeaderKind { Core, Info, V5 };

struct BitmapShape {
  std::int32_t width = 3;
  std::int32_t height = 2;
  std::int32_t depth = 8;
  HeaderKind header = HeaderKind::Info;
  bool top_down = false;
  std::vector<zrt::TableColor> table{};
  std::optional<zrt::ColorMasks> masks{};  // written as bit fields
  // width * height raw values, top row first: colour indexes up to 8 bits,
  // 0x00RRGGBB at 24 bits, the stored word at 16 and 32 bits.
  std::vector<std::uint32_t> values{};
};

// Where the words of the info header lie in a written file.
inline constexpr std::size_t k_pixel_offset_at = 10;
inline constexpr std::size_t k_header_size_at = 14;
inline constexpr std::size_t k_width_at = 18;
inline constexpr std::size_t k_height_at = 22;
inline constexpr std::size_t k_planes_at = 26;
inline constexpr std::size_t k_depth_at = 28;
inline constexpr std::size_t k_compression_at = 30;
inline constexpr std::size_t k_colors_used_at = 46;
inline constexpr std::size_t k_info_end = 54;

inline void put(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, std::size_t size = 4) {
  if (bytes.size() < at + size) bytes.resize(at + size);
  for (std::size_t i = 0; i < size; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::vector<std::uint8_t> pixel_rows(const BitmapShape& shape) {
  const std::size_t row_length = (static_cast<std::size_t>(shape.width) * shape.depth + 31) / 32 * 4;
  std::vector<std::uint8_t> rows(row_length * shape.height, 0);
  for (std::int32_t y = 0; y < shape.height; ++y) {
    const std::size_t stored = static_cast<std::size_t>(shape.top_down ? y : shape.height - 1 - y);
    std::uint8_t* row = rows.data() + stored * row_length;
    for (std::int32_t x = 0; x < shape.width; ++x) {
      const std::uint32_t value = shape.values.at(static_cast<std::size_t>(y * shape.width + x));
      if (shape.depth <= 8) {
        const int bit = x * shape.depth;
        row[bit / 8] |= static_cast<std::uint8_t>(value << (8 - shape.depth - bit % 8));
      } else {
        const std::size_t bytes = static_cast<std::size_t>(shape.depth / 8);
        for (std::size_t i = 0; i < bytes; ++i) row[x * bytes + i] = static_cast<std::uint8_t>(value >> (8 * i));
      }
    }
  }
  return rows;
}

inline std::vector<std::uint8_t> bitmap_file(const BitmapShape& shape) {
  std::vector<std::uint8_t> file{'B', 'M'};
  const std::uint32_t height = static_cast<std::uint32_t>(shape.top_down ? -shape.height : shape.height);
  std::size_t at = k_header_size_at;
  if (shape.header == HeaderKind::Core) {
    put(file, at, 12);
    put(file, at + 4, static_cast<std::uint32_t>(shape.width), 2);
    put(file, at + 6, height, 2);
    put(file, at + 8, 1, 2);
    put(file, at + 10, static_cast<std::uint32_t>(shape.depth), 2);
    at += 12;
  } else {
    const std::uint32_t size = shape.header == HeaderKind::Info ? 40 : 124;
    put(file, at, size);
    put(file, at + 4, static_cast<std::uint32_t>(shape.width));
    put(file, at + 8, height);
    put(file, at + 12, 1, 2);
    put(file, at + 14, static_cast<std::uint32_t>(shape.depth), 2);
    put(file, at + 16, shape.masks ? 3 : 0);
    if (shape.depth <= 8 && shape.table.size() != (std::size_t{1} << shape.depth))
      put(file, at + 32, static_cast<std::uint32_t>(shape.table.size()));
    // The masks lie inside a longer header and follow an info header.
    file.resize(at + size);
    if (shape.masks) {
      put(file, at + 40, shape.masks->red);
      put(file, at + 44, shape.masks->green);
      put(file, at + 48, shape.masks->blue);
    }
    at += shape.header == HeaderKind::Info && shape.masks ? 52 : size;
  }
  for (const zrt::TableColor& color : shape.table) {
    file.resize(at);
    file.insert(file.end(), {color.blue, color.green, color.red});
    if (shape.header != HeaderKind::Core) file.push_back(0);
    at = file.size();
  }
  file.resize(at);
  put(file, k_pixel_offset_at, static_cast<std::uint32_t>(file.size()));
  const std::vector<std::uint8_t> rows = pixel_rows(shape);
  file.insert(file.end(), rows.begin(), rows.end());
  put(file, 2, static_cast<std::uint32_t>(file.size()));
  return file;
}

}  // namespace bitmap_tests
