// Where the device classes keep their fields, after the 16-byte object
// header: the clipboard, printer settings, screens and mouse cursors.
// Compiled subclasses place their own fields after the instance sizes, so
// none of these may move.
#pragma once

#include <cstdint>

namespace zif::clipboard_fields {

inline constexpr std::int32_t open = 16;     // 8-bit: this object holds the system clipboard open
inline constexpr std::int32_t emptied = 17;  // 8-bit: this object has emptied the clipboard once
inline constexpr std::int32_t instance_size = 32;

}  // namespace zif::clipboard_fields

namespace zif::printer_setup_fields {

inline constexpr std::int32_t device_mode = 16;   // global memory handle of the printer's settings, or 0
inline constexpr std::int32_t device_names = 20;  // global memory handle of driver, device and port names, or 0
inline constexpr std::int32_t instance_size = 32;

}  // namespace zif::printer_setup_fields

namespace zif::screen_fields {

inline constexpr std::int32_t left = 16;
inline constexpr std::int32_t top = 20;
inline constexpr std::int32_t width = 24;
inline constexpr std::int32_t height = 28;
inline constexpr std::int32_t depth = 32;
inline constexpr std::int32_t instance_size = 36;

}  // namespace zif::screen_fields

namespace zif::mouse_cursor_fields {

inline constexpr std::int32_t resource = 16;  // a project cursor's resource number, else 0
inline constexpr std::int32_t handle = 20;    // the system cursor shown, 0 for the arrow
inline constexpr std::int32_t instance_size = 24;

}  // namespace zif::mouse_cursor_fields
