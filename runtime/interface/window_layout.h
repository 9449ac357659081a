// Where a window instance keeps its fields, after the 16-byte object header.
// The stored properties of the class table address them, the runtime reads
// them, and compiled subclasses place their own fields after the instance
// size, so none of these offsets may move.
#pragma once

#include <cstdint>

namespace zif::window_fields {

inline constexpr std::int32_t visible = 16;       // 8-bit Boolean
inline constexpr std::int32_t close_box = 17;     // 8-bit Boolean
inline constexpr std::int32_t grow_icon = 18;     // 8-bit Boolean
inline constexpr std::int32_t zoom_icon = 19;     // 8-bit Boolean
inline constexpr std::int32_t native_window = 20; // the runtime's record, 0 when there is none
inline constexpr std::int32_t bounds = 24;        // top, left, bottom, right: signed 16-bit each
inline constexpr std::int32_t last_bounds = 32;   // the same, when the controls were last laid out
inline constexpr std::int32_t title = 40;         // runtime string
inline constexpr std::int32_t backdrop = 44;      // Picture
inline constexpr std::int32_t frame = 48;
inline constexpr std::int32_t placement = 52;
inline constexpr std::int32_t back_color = 56;    // 0x00RRGGBB
inline constexpr std::int32_t min_width = 60;     // the four limits are signed 16-bit
inline constexpr std::int32_t min_height = 62;
inline constexpr std::int32_t max_width = 64;
inline constexpr std::int32_t max_height = 66;
inline constexpr std::int32_t mouse_cursor = 68;  // MouseCursor
inline constexpr std::int32_t balloon_help = 72;  // runtime string
inline constexpr std::int32_t has_back_color = 76;  // 8-bit Boolean
inline constexpr std::int32_t floater_process = 80; // runtime string
inline constexpr std::int32_t mac_proc_id = 84;
inline constexpr std::int32_t control_table = 88;       // owned by the control framework
inline constexpr std::int32_t control_definitions = 92; // owned by the control framework

inline constexpr std::int32_t instance_size = 112;

}  // namespace zif::window_fields
