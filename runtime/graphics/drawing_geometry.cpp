// Shape corners and picture copy defaults.
#include "runtime/graphics/drawing_geometry.h"

#include <algorithm>

namespace zrt {
namespace {

std::int32_t defaulted(std::int32_t requested, std::int32_t fallback) {
  return requested == default_size_request ? fallback : requested;
}

}  // namespace

std::int32_t far_edge(std::int32_t start, std::int32_t size) {
  const std::int64_t edge = static_cast<std::int64_t>(start) + size;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(edge, INT32_MIN, INT32_MAX));
}

Corners normalized_corners(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  const std::int32_t right = far_edge(x, width);
  const std::int32_t bottom = far_edge(y, height);
  return {std::min(x, right), std::min(y, bottom), std::max(x, right), std::max(y, bottom)};
}

PictureCopy resolve_picture_copy(Area destination, Area source, std::int32_t picture_width,
                                 std::int32_t picture_height) {
  destination.width = defaulted(destination.width, picture_width);
  destination.height = defaulted(destination.height, picture_height);
  source.width = defaulted(source.width, destination.width);
  source.height = defaulted(source.height, destination.height);
  return {destination, source};
}

}  // namespace zrt
