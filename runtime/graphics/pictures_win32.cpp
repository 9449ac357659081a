// Pictures and their exported routines: making them, their sizes, the
// cached graphics object, transparency, sub-images and the life cycle that
// cuts a released picture's graphics off its surface.
#include "runtime/graphics/pictures_win32.h"

#include "runtime/core/native_destructors.h"
#include "runtime/core/objects.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/graphics/graphics_objects_win32.h"
#include "runtime/interface/exports.h"

#include <utility>

namespace zrt {
namespace {

Word& picture_field(ZObject* picture, std::int32_t offset) { return *field_at(picture, offset); }

// The mask reference goes first, then the graphics object loses its target
// (a reference the application still holds then draws nothing), then the
// surface loses a user.
void destroy_picture_parts(ZObject* picture) {
  unlock_object(pointer_of<ZObject>(std::exchange(picture_field(picture, zif::picture_fields::mask), 0)));
  ZObject* graphics = pointer_of<ZObject>(std::exchange(picture_field(picture, zif::picture_fields::graphics), 0));
  cut_graphics_off(graphics);
  unlock_object(graphics);
  if (BitmapSurface* surface = pointer_of<BitmapSurface>(std::exchange(picture_field(picture, zif::picture_fields::surface), 0)))
    surface->remove_user();
}

}  // namespace

ZObject* new_picture_on(BitmapSurface* surface) {
  set_native_destructor("Picture", &destroy_picture_parts);
  ZObject* picture = new_instance(runtime_class("Picture"));
  picture_field(picture, zif::picture_fields::surface) = word_of_pointer(surface);
  return picture;
}

BitmapSurface* surface_of(ZObject* picture) {
  return picture == nullptr ? nullptr : pointer_of<BitmapSurface>(picture_field(picture, zif::picture_fields::surface));
}

bool is_transparent(ZObject* picture) {
  return picture != nullptr && static_cast<std::int32_t>(picture_field(picture, zif::picture_fields::transparent)) != 0;
}

}  // namespace zrt

extern "C" {

// Never nil: a size or depth the system refuses still gives a picture, one
// whose surface has no bitmap.
ZObject* newPicture(std::int32_t width, std::int32_t height, std::int32_t depth) {
  return zrt::new_picture_on(new zrt::BitmapSurface(width, height, depth));
}

std::int32_t pictureWidthGetter(ZObject* picture, std::int32_t) {
  const zrt::BitmapSurface* surface = zrt::surface_of(picture);
  return surface == nullptr ? 0 : surface->width();
}

std::int32_t pictureHeightGetter(ZObject* picture, std::int32_t) {
  const zrt::BitmapSurface* surface = zrt::surface_of(picture);
  return surface == nullptr ? 0 : surface->height();
}

ZObject* pictureGraphicsGetter(ZObject* picture, std::int32_t) {
  zrt::BitmapSurface* surface = zrt::surface_of(picture);
  if (surface == nullptr || !surface->has_bitmap()) return nullptr;
  zrt::Word& cached = zrt::picture_field(picture, zif::picture_fields::graphics);
  if (cached == 0) cached = zrt::word_of_pointer(zrt::new_graphics(*surface));
  return zrt::share_object(zrt::pointer_of<ZObject>(cached));
}

std::int32_t pictureTransparentGetter(ZObject* picture, std::int32_t) {
  if (picture == nullptr) return 0;
  return static_cast<std::int32_t>(zrt::picture_field(picture, zif::picture_fields::transparent));
}

void pictureTransparentSetter(ZObject* picture, std::int32_t, std::int32_t value) {
  if (picture != nullptr) zrt::picture_field(picture, zif::picture_fields::transparent) = static_cast<zrt::Word>(value);
}

// Nothing on this platform sets a mask.
ZObject* pictureMaskGetter(ZObject*, std::int32_t) { return nullptr; }

// Bitmaps made here carry no multi-image source: one image each.
std::int32_t pictureImageCountGetter(ZObject* picture, std::int32_t) {
  return zrt::surface_of(picture) == nullptr ? 0 : 1;
}

// Without a multi-image source every index gives a picture sharing the
// surface, which then lives until its last picture goes.
ZObject* pictureIndexedImage(ZObject* picture, std::int32_t) {
  zrt::BitmapSurface* surface = zrt::surface_of(picture);
  if (surface == nullptr) return nullptr;
  surface->add_user();
  return zrt::new_picture_on(surface);
}

}
