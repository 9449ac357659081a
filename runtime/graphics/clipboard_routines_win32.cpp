// The exported members of Clipboard. Each opens the system clipboard unless
// its object already holds it open, and it stays open until Close or the
// object's end. The first write through an object empties the clipboard;
// later writes through it add formats. Text and named data are bytes up to
// their first NUL; pictures are read from CF_DIB and never written here.
#include "runtime/core/native_destructors.h"
#include "runtime/core/objects.h"
#include "runtime/core/strings.h"
#include "runtime/graphics/bitmap_surface_win32.h"
#include "runtime/graphics/dib_layout.h"
#include "runtime/graphics/pictures_win32.h"
#include "runtime/interface/device_layout.h"
#include "runtime/interface/exports.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <span>
#include <string>

namespace {

namespace fields = zif::clipboard_fields;

std::uint8_t& flag(ZObject* clipboard, std::int32_t offset) { return *zrt::field_bytes(clipboard, offset, 1); }

void close_if_open(ZObject* clipboard) {
  if (flag(clipboard, fields::open) == 0) return;
  ::CloseClipboard();
  flag(clipboard, fields::open) = 0;
}

// False when the clipboard cannot be had: readers then give nothing and
// writers do nothing.
bool open_clipboard(ZObject* clipboard) {
  if (clipboard == nullptr) return false;
  if (flag(clipboard, fields::open) != 0) return true;
  zrt::set_native_destructor("Clipboard", &close_if_open);
  if (!::OpenClipboard(nullptr)) return false;
  flag(clipboard, fields::open) = 1;
  return true;
}

// The format registered under the name, 0 for none (an empty name).
UINT named_format(ZString* name) {
  if (zrt::string_length(name) == 0) return 0;
  return ::RegisterClipboardFormatA(std::string(zrt::string_text(name)).c_str());
}

bool available(ZObject* clipboard, UINT format) {
  return format != 0 && open_clipboard(clipboard) && ::IsClipboardFormatAvailable(format);
}

// Reads a format's data as locked bytes, within the block's size.
template <typename Use>
auto with_data(ZObject* clipboard, UINT format, Use use) -> decltype(use(std::span<const std::uint8_t>{})) {
  if (format == 0 || !open_clipboard(clipboard)) return {};
  HANDLE data = ::GetClipboardData(format);
  const auto* bytes = data != nullptr ? static_cast<const std::uint8_t*>(::GlobalLock(data)) : nullptr;
  if (bytes == nullptr) return {};
  auto result = use(std::span<const std::uint8_t>(bytes, ::GlobalSize(data)));
  ::GlobalUnlock(data);
  return result;
}

// The bytes up to the first NUL, or to the block's end when it has none.
ZString* text_of(ZObject* clipboard, UINT format) {
  return with_data(clipboard, format, [](std::span<const std::uint8_t> bytes) -> ZString* {
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return zrt::make_string(bytes.data(), zrt::as_string_length(static_cast<std::size_t>(end - bytes.begin())));
  });
}

void write_text(ZObject* clipboard, UINT format, ZString* text) {
  if (format == 0 || !open_clipboard(clipboard)) return;
  if (flag(clipboard, fields::emptied) == 0) {
    ::EmptyClipboard();
    flag(clipboard, fields::emptied) = 1;
  }
  const std::string_view bytes = zrt::string_text(text);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes.size() + 1);
  auto* copy = memory != nullptr ? static_cast<char*>(::GlobalLock(memory)) : nullptr;
  if (copy == nullptr) {
    if (memory != nullptr) ::GlobalFree(memory);
    return;
  }
  std::memcpy(copy, bytes.data(), bytes.size());
  copy[bytes.size()] = '\0';
  ::GlobalUnlock(memory);
  // The clipboard owns the memory once it takes it.
  if (::SetClipboardData(format, memory) == nullptr) ::GlobalFree(memory);
}

// A 32-bit picture of the bitmap's size with its pixels drawn in.
ZObject* picture_of_dib(std::span<const std::uint8_t> block) {
  const std::optional<zrt::DibLayout> layout = zrt::read_dib_layout(block);
  if (!layout) return nullptr;
  auto* surface = new zrt::BitmapSurface(layout->width, layout->height, 32);
  if (HDC context = surface->has_bitmap() ? surface->acquire_context() : nullptr) {
    ::StretchDIBits(context, 0, 0, layout->width, layout->height, 0, 0, layout->width, layout->height,
                    block.data() + layout->pixels_offset, reinterpret_cast<const BITMAPINFO*>(block.data()),
                    DIB_RGB_COLORS, SRCCOPY);
    surface->release_context(context);
    surface->pixels_changed();
  }
  return zrt::new_picture_on(surface);
}

}  // namespace

extern "C" {

ZString* clipboardTextGetter(ZObject* clipboard, std::int32_t) { return text_of(clipboard, CF_TEXT); }
void clipboardTextSetter(ZObject* clipboard, std::int32_t, ZString* text) { write_text(clipboard, CF_TEXT, text); }
void clipboardSetText(ZObject* clipboard, ZString* text) { write_text(clipboard, CF_TEXT, text); }
std::int32_t clipboardTextAvailable(ZObject* clipboard) { return available(clipboard, CF_TEXT); }

ZObject* clipboardPictureGetter(ZObject* clipboard, std::int32_t) {
  return with_data(clipboard, CF_DIB, &picture_of_dib);
}

// Pictures are not put on the clipboard on this platform.
void clipboardPictureSetter(ZObject*, std::int32_t, ZObject*) {}

std::int32_t clipboardPictureAvailable(ZObject* clipboard) { return available(clipboard, CF_DIB); }

ZString* clipboardMacData(ZObject* clipboard, ZString* type) { return text_of(clipboard, named_format(type)); }
std::int32_t clipboardMacDataAvailable(ZObject* clipboard, ZString* type) {
  return available(clipboard, named_format(type));
}
void clipboardAddMacData(ZObject* clipboard, ZString* data, ZString* type) {
  write_text(clipboard, named_format(type), data);
}

void clipboardClose(ZObject* clipboard) {
  if (clipboard != nullptr) close_if_open(clipboard);
}

}
