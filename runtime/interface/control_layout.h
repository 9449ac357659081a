// Where control instances keep their fields, after the 16-byte object header.
// The stored properties of the class table address them, the runtime reads
// them, and compiled subclasses place their own fields after each class's
// instance size, so none of these offsets may move.
#pragma once

#include <cstdint>

namespace zif::control_fields {

inline constexpr std::int32_t window = 16;           // the owning window (reference)
inline constexpr std::int32_t key_index = 20;        // the Index the control was registered with
inline constexpr std::int32_t pane = 24;             // the runtime's pane, 0 before CreatePane
inline constexpr std::int32_t name = 28;             // runtime string
inline constexpr std::int32_t index = 32;            // no_index when not a control-array member
inline constexpr std::int32_t tab_panel_index = 36;
inline constexpr std::int32_t visible = 40;          // 8-bit Booleans from here to lock_bottom
inline constexpr std::int32_t enabled = 41;
inline constexpr std::int32_t mouse_inside = 42;
inline constexpr std::int32_t from_definition = 43;
inline constexpr std::int32_t cloned = 44;
inline constexpr std::int32_t lock_left = 45;
inline constexpr std::int32_t lock_top = 46;
inline constexpr std::int32_t lock_right = 47;
inline constexpr std::int32_t lock_bottom = 48;
inline constexpr std::int32_t bounds = 52;           // top, left, bottom, right: signed 16-bit each
inline constexpr std::int32_t native_window = 60;    // the owning window's runtime record
inline constexpr std::int32_t pane_window = 64;      // the owning window again, for the pane
inline constexpr std::int32_t mouse_cursor = 68;     // MouseCursor (reference)
inline constexpr std::int32_t balloon_help = 72;     // runtime string
inline constexpr std::int32_t disabled_balloon_help = 76;
inline constexpr std::int32_t container = 80;        // the enclosing Canvas, 0 for none
inline constexpr std::int32_t instance_size = 88;

inline constexpr std::int32_t no_index = -2147483648;

}  // namespace zif::control_fields

namespace zif::push_button_fields {

inline constexpr std::int32_t caption = 88;        // runtime string
inline constexpr std::int32_t text_font = 92;      // runtime string
inline constexpr std::int32_t text_size = 96;      // signed 16-bit
inline constexpr std::int32_t bold = 98;           // 8-bit Booleans
inline constexpr std::int32_t italic = 99;
inline constexpr std::int32_t underline = 100;
inline constexpr std::int32_t is_default = 101;
inline constexpr std::int32_t is_cancel = 102;
inline constexpr std::int32_t event_sink = 104;
inline constexpr std::int32_t action_receivers = 108;
inline constexpr std::int32_t instance_size = 116;

}  // namespace zif::push_button_fields

namespace zif::static_text_fields {

inline constexpr std::int32_t text_font = 88;      // runtime string
inline constexpr std::int32_t bold = 92;           // 8-bit Booleans
inline constexpr std::int32_t italic = 93;
inline constexpr std::int32_t underline = 94;
inline constexpr std::int32_t text_size = 96;      // signed 16-bit
inline constexpr std::int32_t text = 100;          // runtime string (also the Caption)
inline constexpr std::int32_t text_align = 104;    // signed 16-bit: 0 left, 1 centre, 2 right
inline constexpr std::int32_t text_color = 108;    // 0x00RRGGBB
inline constexpr std::int32_t multi_line = 112;    // 8-bit Boolean
inline constexpr std::int32_t instance_size = 116;

}  // namespace zif::static_text_fields

namespace zif::canvas_fields {

inline constexpr std::int32_t backdrop = 88;       // Picture (reference)
inline constexpr std::int32_t graphics = 92;       // the cached Graphics object
inline constexpr std::int32_t instance_size = 100;

}  // namespace zif::canvas_fields

namespace zif::group_box_fields {

inline constexpr std::int32_t caption = 88;        // runtime string
inline constexpr std::int32_t text_font = 92;      // runtime string
inline constexpr std::int32_t text_size = 96;      // signed 16-bit
inline constexpr std::int32_t bold = 98;           // 8-bit Booleans
inline constexpr std::int32_t italic = 99;
inline constexpr std::int32_t underline = 100;
inline constexpr std::int32_t instance_size = 104;

}  // namespace zif::group_box_fields
