// The arithmetic of drawing calls that needs no device: the corners of the
// rectangles that shapes are drawn in, and the defaulted rectangles of a
// picture copy. Portable.
#pragma once

#include <cstdint>

namespace zrt {

// Corners in the system's manner: right and bottom lie just outside.
struct Corners {
  std::int32_t left, top, right, bottom;
  bool operator==(const Corners&) const = default;
};

// start + size, clamped to the 32-bit range: coordinates come from
// application code and must not wrap round.
[[nodiscard]] std::int32_t far_edge(std::int32_t start, std::int32_t size);

// The corners of (x, y, width, height), left and right or top and bottom
// swapped where the size is negative.
[[nodiscard]] Corners normalized_corners(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

// A size argument of this value asks for its default.
inline constexpr std::int32_t default_size_request = -10000;

struct Area {
  std::int32_t x, y, width, height;
  bool operator==(const Area&) const = default;
};

struct PictureCopy {
  Area destination;
  Area source;
};

// The destination size defaults to the picture's size, then the source size
// to the (possibly defaulted) destination size.
[[nodiscard]] PictureCopy resolve_picture_copy(Area destination, Area source, std::int32_t picture_width,
                                               std::int32_t picture_height);

}  // namespace zrt
