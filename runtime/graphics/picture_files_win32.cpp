// Opening pictures from files and saving them as JPEG files.
#include "runtime/graphics/picture_files_win32.h"

#include "runtime/graphics/bitmap_file.h"
#include "runtime/graphics/image_codecs_win32.h"
#include "runtime/graphics/pictures_win32.h"

#include <windows.h>

#include <memory>
#include <new>
#include <optional>
#include <variant>
#include <vector>

namespace zrt {
namespace {

// Larger files are not read: their bytes and their picture together would
// not fit a 32-bit process's memory.
constexpr LONGLONG k_largest_file = 512LL << 20;

std::optional<std::vector<std::uint8_t>> read_whole_file(const std::string& path) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::vector<std::uint8_t>> bytes;
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file, &size) && size.QuadPart <= k_largest_file) {
    bytes.emplace(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    if (!::ReadFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &got, nullptr) || got != bytes->size())
      bytes.reset();
  }
  ::CloseHandle(file);
  return bytes;
}

// All the bytes, or nothing changed: the bytes go to a file beside the
// target first, which then takes the target's place, so a failed write
// neither leaves a partial file nor loses the one that was there.
void write_whole_file(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string beside = path + ".partial";
  HANDLE file =
      ::CreateFileA(beside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  const bool whole = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                     written == bytes.size();
  const bool closed = ::CloseHandle(file) != FALSE;
  if (!whole || !closed || !::MoveFileExA(beside.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
    ::DeleteFileA(beside.c_str());
}

std::unique_ptr<BitmapSurface> read_bitmap_surface(const std::string& path) {
  const std::optional<std::vector<std::uint8_t>> bytes = read_whole_file(path);
  if (!bytes) return nullptr;
  const BitmapFileRead read = read_bitmap_file(*bytes);
  const BitmapFile* file = std::get_if<BitmapFile>(&read);
  if (file == nullptr) return nullptr;
  const std::int32_t depth = picture_depth_for(*file);
  auto surface = std::make_unique<BitmapSurface>(file->width, file->height, depth, file->color_table);
  const std::span<std::uint8_t> pixels = surface->pixels_for_writing();
  if (pixels.empty()) return nullptr;
  write_picture_rows(*file, depth, pixels);
  surface->pixels_changed();
  return surface;
}

}  // namespace

// Running out of memory on a large image is a file that cannot be read.
ZObject* open_picture_file(const std::string& path) {
  try {
    std::unique_ptr<BitmapSurface> surface = is_bitmap_file_path(path) ? read_bitmap_surface(path) : decode_image_file(path);
    if (surface == nullptr) return nullptr;
    ZObject* picture = new_picture_on(surface.get());
    static_cast<void>(surface.release());
    return picture;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void save_picture_as_jpeg(BitmapSurface& surface, const std::string& path) {
  try {
    const std::vector<std::uint8_t> jpeg = encode_jpeg(surface);
    if (!jpeg.empty()) write_whole_file(path, jpeg);
  } catch (const std::bad_alloc&) {
    // Nothing was written.
  }
}

}  // namespace zrt
