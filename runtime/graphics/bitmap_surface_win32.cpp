// Bitmap sections of pictures: creation, the counted memory context, plain
// and transparent copies into another context.
#include "runtime/graphics/bitmap_surface_win32.h"

#include "runtime/core/assert.h"
#include "runtime/graphics/transparency_mask.h"


namespace zrt {
namespace {

const BITMAPINFO* info_of(const std::vector<std::uint8_t>& header) {
  return reinterpret_cast<const BITMAPINFO*>(header.data());
}

HBITMAP make_section(const std::vector<std::uint8_t>& header, void** pixels) {
  *pixels = nullptr;
  return ::CreateDIBSection(nullptr, info_of(header), DIB_RGB_COLORS, pixels, nullptr, 0);
}

// A memory context holding a bitmap for one copy; the bitmap is put back out
// when the copy is done.
class SelectedBitmap {
 public:
  explicit SelectedBitmap(HBITMAP bitmap)
      : m_context(::CreateCompatibleDC(nullptr)), m_previous(::SelectObject(m_context, bitmap)) {}
  SelectedBitmap(const SelectedBitmap&) = delete;
  SelectedBitmap& operator=(const SelectedBitmap&) = delete;
  ~SelectedBitmap() {
    ::SelectObject(m_context, m_previous);
    ::DeleteDC(m_context);
  }
  [[nodiscard]] HDC context() const { return m_context; }

 private:
  HDC m_context;
  HGDIOBJ m_previous;
};

void stretch(HDC destination, HDC source, const PictureCopy& copy, DWORD operation) {
  const Area& to = copy.destination;
  const Area& from = copy.source;
  ::SetStretchBltMode(destination, COLORONCOLOR);
  ::StretchBlt(destination, to.x, to.y, to.width, to.height, source, from.x, from.y, from.width, from.height,
               operation);
}

}  // namespace

BitmapSurface::BitmapSurface(std::int32_t width, std::int32_t height, std::int32_t depth)
    : BitmapSurface(width, height, depth, color_table_for_depth(depth)) {}

BitmapSurface::BitmapSurface(std::int32_t width, std::int32_t height, std::int32_t depth,
                             const std::vector<TableColor>& table)
    : m_width(width),
      m_height(height),
      m_depth(depth),
      m_row_length(row_length_for(width, depth)),
      m_header(bitmap_header_with_table(width, height, depth, table)) {
  // A height of -1 would be taken as a bottom-up bitmap of one row: sizes
  // below 1 are refused here rather than left to the system.
  if (width < 1 || height < 1) return;
  m_bitmap = make_section(m_header, &m_pixels);
  if (m_bitmap == nullptr && depth == 2) keep_two_bits_in_four();
  if (m_bitmap != nullptr) fill_white();
}

// Windows makes no 2-bit sections. Rather than leaving a picture of a depth
// that is meant to work blank, its four colours are kept in a 4-bit bitmap.
void BitmapSurface::keep_two_bits_in_four() {
  constexpr std::int32_t k_bit_count = 4;
  m_header = bitmap_header_with_table(m_width, m_height, k_bit_count, color_table_for_depth(2));
  m_row_length = row_length_for(m_width, k_bit_count);
  m_bitmap = make_section(m_header, &m_pixels);
}

BitmapSurface::~BitmapSurface() {
  ZASSERT(m_acquisitions == 0, "a surface deleted while its context is lent out");
  delete_mask();
  if (m_bitmap != nullptr) ::DeleteObject(m_bitmap);
}

void BitmapSurface::remove_user() {
  ZASSERT(m_users > 0, "a surface released more often than shared");
  if (--m_users == 0) delete this;
}

void BitmapSurface::fill_white() {
  HDC context = acquire_context();
  const RECT all{0, 0, m_width, m_height};
  ::FillRect(context, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  release_context(context);
}

std::span<std::uint8_t> BitmapSurface::pixels_for_writing() {
  if (m_bitmap == nullptr) return {};
  ::GdiFlush();
  return {static_cast<std::uint8_t*>(m_pixels), static_cast<std::size_t>(m_row_length) * static_cast<std::size_t>(m_height)};
}

std::vector<std::uint8_t> BitmapSurface::rows_at_24_bits() {
  if (m_bitmap == nullptr) return {};
  void* bits = nullptr;
  HBITMAP copy = make_section(bitmap_header_with_table(m_width, m_height, 24, {}), &bits);
  if (copy == nullptr) return {};
  {
    SelectedBitmap target(copy);
    HDC source = acquire_context();
    ::BitBlt(target.context(), 0, 0, m_width, m_height, source, 0, 0, SRCCOPY);
    release_context(source);
  }
  ::GdiFlush();
  const std::size_t row_length = (static_cast<std::size_t>(m_width) * 3 + 3) / 4 * 4;
  const auto* first = static_cast<const std::uint8_t*>(bits);
  std::vector<std::uint8_t> rows(first, first + row_length * static_cast<std::size_t>(m_height));
  ::DeleteObject(copy);
  return rows;
}

HDC BitmapSurface::acquire_context() {
  if (m_bitmap == nullptr) return nullptr;
  if (m_acquisitions++ == 0) {
    m_context = ::CreateCompatibleDC(nullptr);
    m_context_bitmap = ::SelectObject(m_context, m_bitmap);
    ::SetTextAlign(m_context, TA_LEFT | TA_BASELINE);
  }
  return m_context;
}

void BitmapSurface::release_context(HDC context) {
  ZASSERT(context == m_context && m_acquisitions > 0, "a context given back to a surface that did not lend it");
  if (--m_acquisitions > 0) return;
  ::SelectObject(m_context, m_context_bitmap);
  ::DeleteDC(m_context);
  m_context = nullptr;
}

void BitmapSurface::draw_into(HDC destination, const PictureCopy& copy, bool transparent) {
  if (m_bitmap == nullptr || destination == nullptr) return;
  if (transparent && depth_has_mask(m_depth) && prepare_mask()) {
    // White, then black, for the bits of the mask: the AND keeps the
    // destination under white pixels and clears it elsewhere.
    const COLORREF text = ::SetTextColor(destination, RGB(0, 0, 0));
    const COLORREF background = ::SetBkColor(destination, RGB(255, 255, 255));
    stretch(destination, SelectedBitmap(m_mask.mask).context(), copy, SRCAND);
    ::SetTextColor(destination, text);
    ::SetBkColor(destination, background);
    stretch(destination, SelectedBitmap(m_mask.blacked_out).context(), copy, SRCPAINT);
    return;
  }
  HDC source = acquire_context();
  stretch(destination, source, copy, SRCCOPY);
  release_context(source);
}

bool BitmapSurface::prepare_mask() {
  if (m_mask.mask != nullptr && m_mask.generation == m_pixel_generation) return true;
  delete_mask();
  ::GdiFlush();  // drawing still queued for the section must reach its pixels first
  // The mask's table is black, white: a set bit marks a white pixel.
  const std::vector<std::uint8_t> mask_header =
      bitmap_header_with_table(m_width, m_height, 1, {TableColor{0, 0, 0, 0}, TableColor{255, 255, 255, 0}});
  void* mask_bits = nullptr;
  void* blacked_bits = nullptr;
  m_mask.mask = make_section(mask_header, &mask_bits);
  m_mask.blacked_out = make_section(m_header, &blacked_bits);
  if (m_mask.mask == nullptr || m_mask.blacked_out == nullptr) {
    delete_mask();
    return false;
  }
  const std::vector<TableColor> table_colors = color_table_of_header(m_header);
  const PixelRows rows{m_width, m_height, m_depth, m_row_length, table_colors};
  build_transparency_mask(rows, static_cast<const std::uint8_t*>(m_pixels), static_cast<std::uint8_t*>(mask_bits),
                          static_cast<std::uint8_t*>(blacked_bits));
  m_mask.generation = m_pixel_generation;
  return true;
}

void BitmapSurface::delete_mask() {
  if (m_mask.mask != nullptr) ::DeleteObject(m_mask.mask);
  if (m_mask.blacked_out != nullptr) ::DeleteObject(m_mask.blacked_out);
  m_mask = {};
}

}  // namespace zrt
