// A picture's pixels: a device-independent bitmap section with its packed
// header, lent to drawing ports through a memory context that lives while
// acquisitions are nested, and the transparency mask made on demand and kept
// until the pixels change. Pictures that share a surface count as its users.
#pragma once

#include "runtime/graphics/drawing_geometry.h"
#include "runtime/graphics/drawing_target_win32.h"
#include "runtime/graphics/picture_layout.h"

#include <cstdint>
#include <span>
#include <vector>

namespace zrt {

class BitmapSurface final : public DrawingTarget {
 public:
  // Filled with white. A depth the system refuses gives a surface without
  // bitmap, which keeps its size and draws nothing.
  BitmapSurface(std::int32_t width, std::int32_t height, std::int32_t depth);
  // The same with the given colour table in place of the depth's own.
  BitmapSurface(std::int32_t width, std::int32_t height, std::int32_t depth, const std::vector<TableColor>& table);
  ~BitmapSurface() override;

  void add_user() { ++m_users; }
  // The last user deletes the surface.
  void remove_user();

  [[nodiscard]] bool has_bitmap() const { return m_bitmap != nullptr; }
  [[nodiscard]] std::int32_t row_length() const { return m_row_length; }
  // The bitmap's top-down rows of row_length() bytes, to be written in
  // place (empty without bitmap); drawing still queued for them is finished
  // first. Call pixels_changed() after writing.
  [[nodiscard]] std::span<std::uint8_t> pixels_for_writing();
  // The pixels as top-down rows of 24-bit blue, green, red, each padded to
  // 4 bytes, converted by the system from the surface's depth; empty
  // without bitmap or when the system cannot make the copy.
  [[nodiscard]] std::vector<std::uint8_t> rows_at_24_bits();

  HDC acquire_context() override;
  void release_context(HDC context) override;
  int width() const override { return m_width; }
  int height() const override { return m_height; }
  void pixels_changed() override { ++m_pixel_generation; }

  // Copies the source area into the destination area of the context,
  // stretched, leaving white pixels out when transparent asks for it.
  void draw_into(HDC destination, const PictureCopy& copy, bool transparent);

 private:
  struct MaskImages {
    HBITMAP mask = nullptr;
    HBITMAP blacked_out = nullptr;
    std::uint64_t generation = 0;
  };

  void keep_two_bits_in_four();
  void fill_white();
  bool prepare_mask();
  void delete_mask();

  std::int32_t m_width;
  std::int32_t m_height;
  std::int32_t m_depth;
  std::int32_t m_row_length;
  std::vector<std::uint8_t> m_header;
  HBITMAP m_bitmap = nullptr;
  void* m_pixels = nullptr;
  HDC m_context = nullptr;
  HGDIOBJ m_context_bitmap = nullptr;
  int m_acquisitions = 0;
  int m_users = 1;
  std::uint64_t m_pixel_generation = 1;
  MaskImages m_mask;
};

}  // namespace zrt
