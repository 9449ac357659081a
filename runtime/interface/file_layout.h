// Where folder items and streams keep their fields, after the 16-byte object
// header. Compiled subclasses place their own fields after each class's
// instance size, and Delimiter and LittleEndian are read and written by the
// general field accessors at these offsets, so none of them may move.
#pragma once

#include <cstdint>

namespace zif::folder_item_fields {

inline constexpr std::int32_t has_path = 16;  // 8-bit flag: 0 until the path is stored or computed
inline constexpr std::int32_t path = 20;      // runtime string, owned
inline constexpr std::int32_t instance_size = 32;

}  // namespace zif::folder_item_fields

namespace zif::text_input_fields {

inline constexpr std::int32_t reader = 16;  // the line reader over the disk file, 0 once closed
inline constexpr std::int32_t instance_size = 1060;

}  // namespace zif::text_input_fields

namespace zif::text_output_fields {

inline constexpr std::int32_t file = 16;       // the disk file, 0 once closed
inline constexpr std::int32_t delimiter = 20;  // runtime string, owned; Nil writes CR LF
inline constexpr std::int32_t instance_size = 32;

}  // namespace zif::text_output_fields

namespace zif::binary_stream_fields {

inline constexpr std::int32_t file = 16;           // the disk file, 0 once closed
inline constexpr std::int32_t little_endian = 20;  // 8-bit Boolean, False: numbers are big-endian
inline constexpr std::int32_t instance_size = 32;

}  // namespace zif::binary_stream_fields
