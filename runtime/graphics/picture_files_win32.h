// Pictures read from files and written to them, by path: a bitmap file is
// read by the portable reader into a picture of its own depth and colours
// where pictures have them; any other file through the image library into
// a 16-bit picture. Saving writes a JPEG file. Neither raises nor shows a
// message.
#pragma once

#include "runtime/graphics/bitmap_surface_win32.h"

#include <string>

struct ZObject;

namespace zrt {

// A new picture, or null when the file cannot be read.
[[nodiscard]] ZObject* open_picture_file(const std::string& path);

// Writes the surface as a JPEG file. Any failure leaves no file at the path:
// the image is encoded in memory first, and a file that cannot be written
// whole is deleted.
void save_picture_as_jpeg(BitmapSurface& surface, const std::string& path);

}  // namespace zrt
