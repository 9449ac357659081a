// Pictures: instances of the runtime class "Picture" that own a counted
// bitmap surface, their cached graphics object and their mask reference.
#pragma once

#include "runtime/graphics/bitmap_surface_win32.h"
#include "runtime/interface/graphics_layout.h"

struct ZObject;

namespace zrt {

// A new picture with count 1 on a surface it becomes a user of.
[[nodiscard]] ZObject* new_picture_on(BitmapSurface* surface);

// Null for nil and for a picture without surface.
[[nodiscard]] BitmapSurface* surface_of(ZObject* picture);
[[nodiscard]] bool is_transparent(ZObject* picture);

}  // namespace zrt
