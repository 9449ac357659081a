// Capturing a window's client area from the screen, and writing it as PNG.
// The PNG writer stores the pixels uncompressed (deflate "stored" blocks): the
// files are for people to look at and tests to compare, not for shipping.
#include <array>
#include <fstream>

#include "tests/driver/gui_driver.h"

namespace driver {
namespace {

class ScreenDc {
 public:
  explicit ScreenDc(HWND window) : m_window(window), m_dc(::GetDC(window)) {}
  ~ScreenDc() { ::ReleaseDC(m_window, m_dc); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return m_dc; }

 private:
  HWND m_window;
  HDC m_dc;
};

std::uint32_t crc32(const std::uint8_t* bytes, std::size_t count, std::uint32_t crc = 0) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> entries{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entries[n] = c;
    }
    return entries;
  }();
  crc = ~crc;
  for (std::size_t i = 0; i < count; ++i) crc = table[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

void put_u32_be(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void put_chunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::vector<std::uint8_t>& data) {
  put_u32_be(out, static_cast<std::uint32_t>(data.size()));
  std::vector<std::uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  put_u32_be(out, crc32(body.data(), body.size()));
}

// A zlib stream of stored blocks (at most 65,535 bytes each).
std::vector<std::uint8_t> zlib_stored(const std::vector<std::uint8_t>& raw) {
  std::vector<std::uint8_t> out{0x78, 0x01};
  std::size_t position = 0;
  do {
    const std::size_t length = std::min<std::size_t>(raw.size() - position, 65535);
    const bool last = position + length == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<std::uint8_t>(length));
    out.push_back(static_cast<std::uint8_t>(length >> 8));
    out.push_back(static_cast<std::uint8_t>(~length));
    out.push_back(static_cast<std::uint8_t>(~length >> 8));
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(position),
               raw.begin() + static_cast<std::ptrdiff_t>(position + length));
    position += length;
  } while (position < raw.size());
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  put_u32_be(out, b << 16 | a);
  return out;
}

}  // namespace

// A child window is captured through its top-level window: under Wine a
// child of another process reads as black through its own device context,
// while the top-level window's surface holds what its children painted.
Image capture_client(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  Image image;
  image.width = client.right;
  image.height = client.bottom;
  if (image.width <= 0 || image.height <= 0) return image;

  HWND top_level = ::GetAncestor(window, GA_ROOT);
  POINT origin{0, 0};
  ::MapWindowPoints(window, top_level, &origin, 1);
  ScreenDc screen(top_level);
  HDC memory = ::CreateCompatibleDC(screen.get());
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, image.width, image.height, screen.get(), origin.x, origin.y, SRCCOPY);
  ::GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  image.pixels.assign(pixels, pixels + static_cast<std::size_t>(image.width) * image.height);
  for (auto& pixel : image.pixels) pixel &= 0x00FFFFFF;
  ::SelectObject(memory, previous);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  return image;
}

bool save_png(const Image& image, const std::string& path) {
  std::vector<std::uint8_t> raw;
  raw.reserve(static_cast<std::size_t>(image.height) * (1 + 3 * image.width));
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);  // filter: none
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t pixel = image.at(x, y);
      raw.push_back(static_cast<std::uint8_t>(pixel >> 16));
      raw.push_back(static_cast<std::uint8_t>(pixel >> 8));
      raw.push_back(static_cast<std::uint8_t>(pixel));
    }
  }
  std::vector<std::uint8_t> header;
  put_u32_be(header, static_cast<std::uint32_t>(image.width));
  put_u32_be(header, static_cast<std::uint32_t>(image.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, no interlace

  std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  put_chunk(file, "IHDR", header);
  put_chunk(file, "IDAT", zlib_stored(raw));
  put_chunk(file, "IEND", {});
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return static_cast<bool>(out);
}

}  // namespace driver
