// Colour tables, row lengths and the packed bitmap header of new pictures.
#include "runtime/graphics/picture_layout.h"

#include <cstdint>
#include <cstring>

namespace zrt {
namespace {

TableColor grey(std::uint8_t level) { return {level, level, level, 0}; }

std::vector<TableColor> six_level_cube() {
  std::vector<TableColor> table(256);  // entries 216 to 255 stay black
  for (int red = 0; red < 6; ++red)
    for (int green = 0; green < 6; ++green)
      for (int blue = 0; blue < 6; ++blue)
        table[36 * red + 6 * green + blue] = {static_cast<std::uint8_t>(51 * blue),
                                              static_cast<std::uint8_t>(51 * green),
                                              static_cast<std::uint8_t>(51 * red), 0};
  return table;
}

std::vector<TableColor> sixteen_greys() {
  std::vector<TableColor> table;
  for (int i = 0; i < 16; ++i) table.push_back(grey(static_cast<std::uint8_t>(255 - 17 * i)));
  return table;
}

void put_word(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::vector<TableColor> color_table_for_depth(std::int32_t depth) {
  switch (depth) {
    case 1: return {grey(255), grey(0)};
    case 2: return {grey(255), grey(192), grey(128), grey(0)};
    case 4: return sixteen_greys();
    case 8: return six_level_cube();
    default: return {};
  }
}

std::int32_t row_length_for(std::int32_t width, std::int32_t depth) {
  // Worked in 64 bits: a width near the integer limit must not wrap round
  // into a small row that the system would then be asked to fill.
  const std::int64_t w = width;
  std::int64_t length = 0;
  switch (depth) {
    case 1: length = (w + 31) / 32 * 4; break;
    case 2: length = (w + 15) / 16 * 4; break;
    case 4: length = (w + 7) / 8 * 4; break;
    case 8: length = (w + 3) / 4 * 4; break;
    case 16: length = (w + 1) / 2 * 4; break;
    case 32: length = w * 4; break;
    default: return 0;
  }
  return length > 0 && length <= INT32_MAX ? static_cast<std::int32_t>(length) : 0;
}

std::vector<std::uint8_t> bitmap_header_for(std::int32_t width, std::int32_t height, std::int32_t depth) {
  return bitmap_header_with_table(width, height, depth, color_table_for_depth(depth));
}

std::vector<std::uint8_t> bitmap_header_with_table(std::int32_t width, std::int32_t height, std::int32_t bit_count,
                                                   const std::vector<TableColor>& table) {
  std::vector<std::uint8_t> header(bitmap_info_header_size + table.size() * sizeof(TableColor), 0);
  put_word(header, 0, bitmap_info_header_size, 4);
  put_word(header, 4, static_cast<std::uint32_t>(width), 4);
  put_word(header, 8, static_cast<std::uint32_t>(-height), 4);
  put_word(header, 12, 1, 2);                                    // planes
  put_word(header, 14, static_cast<std::uint32_t>(bit_count), 2);  // bit count; compression 0 follows
  // A table shorter than the bit count allows says how many entries it has;
  // a full one leaves the count 0, as the system reads it.
  if (bit_count <= 8 && table.size() != (std::size_t{1} << bit_count)) put_word(header, 32, static_cast<std::uint32_t>(table.size()), 4);
  if (!table.empty())
    std::memcpy(header.data() + bitmap_info_header_size, table.data(), table.size() * sizeof(TableColor));
  return header;
}

std::vector<TableColor> color_table_of_header(const std::vector<std::uint8_t>& header) {
  std::vector<TableColor> table((header.size() - bitmap_info_header_size) / sizeof(TableColor));
  if (!table.empty()) std::memcpy(table.data(), header.data() + bitmap_info_header_size, table.size() * sizeof(TableColor));
  return table;
}

}  // namespace zrt
