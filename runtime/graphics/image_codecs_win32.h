// Image files other than bitmaps, through the Windows Imaging Component:
// reading a file's first image into a new 16-bit surface, and encoding a
// surface as JPEG. COM is started for the thread at the first use. Without
// the component nothing is read and nothing is encoded.
#pragma once

#include "runtime/graphics/bitmap_surface_win32.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zrt {

// Null when the file cannot be read as an image or the surface not made.
[[nodiscard]] std::unique_ptr<BitmapSurface> decode_image_file(const std::string& path);

// The JPEG file's bytes; empty when the surface cannot be encoded.
[[nodiscard]] std::vector<std::uint8_t> encode_jpeg(BitmapSurface& surface);

}  // namespace zrt
