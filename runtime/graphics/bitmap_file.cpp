// Reading Windows bitmap files: the 14-byte file header, then a 12-byte core
// header or an info header of 40 bytes or more, the colour masks, the colour
// table and the pixel rows, each checked against the bytes present.
#include "runtime/graphics/bitmap_file.h"

#include "runtime/core/image_block.h"

#include <bit>
#include <climits>
#include <cstring>

namespace zrt {
namespace {

constexpr std::uint64_t k_file_header_size = 14;
constexpr std::uint32_t k_core_header_size = 12;
constexpr std::uint32_t k_info_header_size = 40;
constexpr std::uint32_t k_masks_in_header_size = 52;  // an info header with its three masks
constexpr std::uint32_t k_uncompressed = 0;
constexpr std::uint32_t k_run_length_8 = 1;
constexpr std::uint32_t k_run_length_4 = 2;
constexpr std::uint32_t k_bit_fields = 3;

std::uint32_t load_u16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return bytes[offset] | static_cast<std::uint32_t>(bytes[offset + 1]) << 8;
}

bool holds(std::span<const std::uint8_t> bytes, std::uint64_t offset, std::uint64_t count) {
  return offset <= bytes.size() && count <= bytes.size() - offset;
}

// What the header says, before the table and the pixels are found.
struct Header {
  std::uint32_t size = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // negative for top-down rows
  std::uint32_t planes = 0;
  std::uint32_t depth = 0;
  std::uint32_t compression = k_uncompressed;
  std::uint32_t colors_used = 0;
};

Header read_header(std::span<const std::uint8_t> bytes, std::uint32_t size) {
  constexpr std::size_t at = k_file_header_size;
  if (size == k_core_header_size) {
    return {size, load_u16(bytes, at + 4), load_u16(bytes, at + 6), load_u16(bytes, at + 8),
            load_u16(bytes, at + 10)};
  }
  return {size,
          static_cast<std::int32_t>(load_u32(bytes, at + 4)),
          static_cast<std::int32_t>(load_u32(bytes, at + 8)),
          load_u16(bytes, at + 12),
          load_u16(bytes, at + 14),
          load_u32(bytes, at + 16),
          load_u32(bytes, at + 32)};
}

bool known_depth(std::uint32_t depth) {
  return depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
}

// Why the header's numbers do not describe a bitmap this reader takes, or
// nothing when they do.
std::string header_fault(const Header& header) {
  if (header.width <= 0) return "the width is not positive";
  if (header.height == 0 || header.height == INT32_MIN) return "the height is zero or has no positive counterpart";
  if (header.planes != 1) return "the plane count is not 1";
  if (!known_depth(header.depth)) return "the depth is not 1, 4, 8, 16, 24 or 32 bits";
  if (header.compression == k_run_length_8 || header.compression == k_run_length_4)
    return "run-length compressed bitmaps are not read";
  if (header.compression == k_bit_fields && header.depth != 16 && header.depth != 32)
    return "colour masks are given for a depth other than 16 or 32 bits";
  if (header.compression != k_uncompressed && header.compression != k_bit_fields)
    return "the compression is not one this reader knows";
  if (header.size == k_core_header_size && header.depth != 24 && header.depth > 8)
    return "a core header gives a depth other than 1, 4, 8 or 24 bits";
  return {};
}

// A mask must be one run of set bits inside the pixel.
bool usable_mask(std::uint32_t mask, std::uint32_t depth) {
  if (mask == 0 || (depth == 16 && mask > 0xFFFF)) return false;
  const std::uint32_t run = mask >> std::countr_zero(mask);
  return (run & (run + 1)) == 0;
}

// One colour component of a masked pixel, scaled to 0..255.
std::uint32_t component(std::uint32_t pixel, std::uint32_t mask) {
  const int shift = std::countr_zero(mask);
  const std::uint64_t most = mask >> shift;
  return static_cast<std::uint32_t>(((pixel & mask) >> shift) * 255 / most);
}

std::uint32_t masked_color(std::uint32_t pixel, const ColorMasks& masks) {
  return component(pixel, masks.red) << 16 | component(pixel, masks.green) << 8 | component(pixel, masks.blue);
}

std::uint32_t table_color(const TableColor& entry) {
  return static_cast<std::uint32_t>(entry.red) << 16 | static_cast<std::uint32_t>(entry.green) << 8 | entry.blue;
}

std::vector<TableColor> read_color_table(std::span<const std::uint8_t> bytes, std::uint64_t at, std::uint64_t count,
                                         std::uint64_t entry_size) {
  std::vector<TableColor> table(count);
  for (std::uint64_t i = 0; i < count; ++i) {
    const std::uint8_t* entry = bytes.data() + at + i * entry_size;
    table[i] = {entry[0], entry[1], entry[2], 0};
  }
  return table;
}

}  // namespace

std::span<const std::uint8_t> BitmapFile::row(std::int32_t y) const {
  const std::int32_t stored = top_down ? y : height - 1 - y;
  return pixels.subspan(static_cast<std::size_t>(stored) * static_cast<std::size_t>(row_length),
                        static_cast<std::size_t>(row_length));
}

BitmapFileRead read_bitmap_file(std::span<const std::uint8_t> bytes) {
  if (!holds(bytes, 0, k_file_header_size + 4) || bytes[0] != 'B' || bytes[1] != 'M')
    return std::string("the file does not start with a bitmap file header");
  const std::uint32_t pixel_offset = load_u32(bytes, 10);
  const std::uint32_t header_size = load_u32(bytes, k_file_header_size);
  if (header_size != k_core_header_size && header_size < k_info_header_size)
    return "the header size " + std::to_string(header_size) + " is not one of a bitmap header";
  if (!holds(bytes, k_file_header_size, header_size)) return std::string("the header runs past the end of the file");
  const Header header = read_header(bytes, header_size);
  if (std::string fault = header_fault(header); !fault.empty()) return fault;

  BitmapFile file;
  file.width = static_cast<std::int32_t>(header.width);
  file.height = static_cast<std::int32_t>(header.height < 0 ? -header.height : header.height);
  file.depth = static_cast<std::int32_t>(header.depth);
  file.top_down = header.height < 0;

  // The masks follow an info header of 40 bytes and lie inside longer ones.
  std::uint64_t table_at = k_file_header_size + header_size;
  file.masks = header.depth == 16 ? k_masks_555 : k_masks_888;
  if (header.compression == k_bit_fields) {
    const std::uint64_t masks_at = header_size >= k_masks_in_header_size ? k_file_header_size + k_info_header_size : table_at;
    if (!holds(bytes, masks_at, 12)) return std::string("the colour masks run past the end of the file");
    file.masks = {load_u32(bytes, masks_at), load_u32(bytes, masks_at + 4), load_u32(bytes, masks_at + 8)};
    if (!usable_mask(file.masks.red, header.depth) || !usable_mask(file.masks.green, header.depth) ||
        !usable_mask(file.masks.blue, header.depth))
      return std::string("a colour mask is empty, split or wider than the pixel");
    if (header_size < k_masks_in_header_size) table_at += 12;
  }

  if (header.depth <= 8) {
    const std::uint64_t most = std::uint64_t{1} << header.depth;
    const std::uint64_t count = header.colors_used != 0 ? header.colors_used : most;
    if (count > most) return "the colour table has " + std::to_string(count) + " entries, more than the depth allows";
    const std::uint64_t entry_size = header_size == k_core_header_size ? 3 : 4;
    if (!holds(bytes, table_at, count * entry_size)) return std::string("the colour table runs past the end of the file");
    file.color_table = read_color_table(bytes, table_at, count, entry_size);
    table_at += count * entry_size;
  }
  if (pixel_offset < table_at) return std::string("the pixels start inside the headers or the colour table");

  const std::uint64_t row_length = (static_cast<std::uint64_t>(header.width) * header.depth + 31) / 32 * 4;
  // Both factors below 2^31: the product cannot wrap.
  if (row_length > INT32_MAX || !holds(bytes, pixel_offset, row_length * static_cast<std::uint64_t>(file.height)))
    return std::string("the pixels run past the end of the file");
  file.row_length = static_cast<std::int32_t>(row_length);
  file.pixels = bytes.subspan(pixel_offset, static_cast<std::size_t>(row_length * static_cast<std::uint64_t>(file.height)));
  return file;
}

std::uint32_t bitmap_pixel(const BitmapFile& file, std::int32_t x, std::int32_t y) {
  const std::span<const std::uint8_t> row = file.row(y);
  const auto at = static_cast<std::size_t>(x);
  switch (file.depth) {
    case 16: return masked_color(load_u16(row, at * 2), file.masks);
    case 24: return static_cast<std::uint32_t>(row[at * 3 + 2]) << 16 | row[at * 3 + 1] << 8 | row[at * 3];
    case 32: return masked_color(load_u32(row, at * 4), file.masks);
    default: break;
  }
  // Indexed: the first pixel of each byte in its high bits.
  const auto per_byte = static_cast<std::size_t>(8 / file.depth);
  const std::uint32_t shift = static_cast<std::uint32_t>(8 - file.depth) - static_cast<std::uint32_t>(at % per_byte) * static_cast<std::uint32_t>(file.depth);
  const std::uint32_t index = (row[at / per_byte] >> shift) & ((1u << file.depth) - 1);
  return index < file.color_table.size() ? table_color(file.color_table[index]) : 0;
}

bool is_bitmap_file_path(std::string_view path) {
  constexpr std::string_view suffix = ".bmp";
  if (path.size() < suffix.size()) return false;
  const std::string_view end = path.substr(path.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    const char c = end[i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != suffix[i]) return false;
  }
  return true;
}

std::int32_t picture_depth_for(const BitmapFile& file) {
  switch (file.depth) {
    case 1:
    case 4:
    case 8: return file.depth;
    case 16: return file.masks == k_masks_555 ? 16 : 32;
    default: return 32;
  }
}

void write_picture_rows(const BitmapFile& file, std::int32_t picture_depth, std::span<std::uint8_t> rows) {
  const auto length = static_cast<std::size_t>(row_length_for(file.width, picture_depth));
  const bool same_layout = picture_depth == file.depth && (file.depth != 32 || file.masks == k_masks_888);
  for (std::int32_t y = 0; y < file.height; ++y) {
    const std::span<std::uint8_t> out = rows.subspan(static_cast<std::size_t>(y) * length, length);
    if (same_layout) {
      std::memcpy(out.data(), file.row(y).data(), length);
      continue;
    }
    for (std::int32_t x = 0; x < file.width; ++x) {
      const std::uint32_t color = bitmap_pixel(file, x, y);
      std::uint8_t* pixel = out.data() + static_cast<std::size_t>(x) * 4;
      pixel[0] = static_cast<std::uint8_t>(color);
      pixel[1] = static_cast<std::uint8_t>(color >> 8);
      pixel[2] = static_cast<std::uint8_t>(color >> 16);
      pixel[3] = 0;
    }
  }
}

}  // namespace zrt
