// The exported routines of Screen: one screen, the primary display, with its
// size from the system metrics and its depth in bits per pixel.
#include "runtime/core/objects.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/interface/device_layout.h"
#include "runtime/interface/exports.h"

#include <windows.h>

#include <utility>

namespace {

namespace fields = zif::screen_fields;

// The display's bits per pixel: the depth a picture made for the screen
// needs to be a working bitmap.
std::int32_t display_depth() {
  HDC screen = ::GetDC(nullptr);
  const int depth = screen != nullptr ? ::GetDeviceCaps(screen, BITSPIXEL) : 0;
  if (screen != nullptr) ::ReleaseDC(nullptr, screen);
  return depth;
}

std::int32_t field(ZObject* screen, std::int32_t offset) {
  return screen == nullptr ? 0 : static_cast<std::int32_t>(*zrt::field_at(screen, offset));
}

}  // namespace

extern "C" {

std::int32_t getScreenCount() { return 1; }

ZObject* getScreen(std::int32_t index) {
  if (index != 0) return nullptr;
  ZObject* screen = zrt::new_instance(zrt::runtime_class("Screen"));
  const std::pair<std::int32_t, std::int32_t> values[] = {
      {fields::left, 0},
      {fields::top, 0},
      {fields::width, ::GetSystemMetrics(SM_CXSCREEN)},
      {fields::height, ::GetSystemMetrics(SM_CYSCREEN)},
      {fields::depth, display_depth()},
  };
  for (auto [offset, value] : values) *zrt::field_at(screen, offset) = static_cast<zrt::Word>(value);
  return screen;
}

std::int32_t screenLeftGetter(ZObject* screen, std::int32_t) { return field(screen, fields::left); }
std::int32_t screenTopGetter(ZObject* screen, std::int32_t) { return field(screen, fields::top); }
std::int32_t screenWidthGetter(ZObject* screen, std::int32_t) { return field(screen, fields::width); }
std::int32_t screenHeightGetter(ZObject* screen, std::int32_t) { return field(screen, fields::height); }
std::int32_t screenDepthGetter(ZObject* screen, std::int32_t) { return field(screen, fields::depth); }

}
