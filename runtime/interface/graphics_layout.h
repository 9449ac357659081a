// Where graphics objects and pictures keep their fields, after the 16-byte
// object header. The runtime reads them and compiled subclasses place their
// own fields after each class's instance size, so none of these may move.
#pragma once

#include <cstdint>

namespace zif::graphics_fields {

inline constexpr std::int32_t port = 16;        // the drawing port, owned
inline constexpr std::int32_t copies = 20;      // printer graphics only, else 0
inline constexpr std::int32_t first_page = 24;  // printer graphics only, else 0
inline constexpr std::int32_t last_page = 28;   // printer graphics only, else 0
inline constexpr std::int32_t instance_size = 40;

}  // namespace zif::graphics_fields

namespace zif::picture_fields {

inline constexpr std::int32_t transparent = 16;  // 0 opaque, else white pixels are left out
inline constexpr std::int32_t surface = 20;      // the bitmap surface, shared and counted
inline constexpr std::int32_t graphics = 24;     // the cached Graphics (reference)
inline constexpr std::int32_t mask = 28;         // a Picture (reference); nothing sets it here
inline constexpr std::int32_t project_data = 32; // a project picture's data in the image
inline constexpr std::int32_t instance_size = 40;

}  // namespace zif::picture_fields
