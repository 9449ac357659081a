// What a window's Frame number selects: the window kind, the default
// placement, whether the window is modal, and its Win32 styles. The style
// bits are the system's own values, spelled here so that the choice can be
// tested without the system headers; frame_styles_win32.cpp checks them
// against those headers.
#pragma once

#include <cstdint>
#include <optional>

namespace zrt {

namespace window_style {
inline constexpr std::uint32_t popup = 0x80000000;
inline constexpr std::uint32_t caption = 0x00C00000;
inline constexpr std::uint32_t border = 0x00800000;
inline constexpr std::uint32_t dialog_frame = 0x00400000;
inline constexpr std::uint32_t system_menu = 0x00080000;
inline constexpr std::uint32_t thick_frame = 0x00040000;
inline constexpr std::uint32_t minimize_box = 0x00020000;
inline constexpr std::uint32_t maximize_box = 0x00010000;

inline constexpr std::uint32_t ex_dialog_modal_frame = 0x00000001;
inline constexpr std::uint32_t ex_topmost = 0x00000008;
inline constexpr std::uint32_t ex_mdi_child = 0x00000040;
inline constexpr std::uint32_t ex_tool_window = 0x00000080;
inline constexpr std::uint32_t ex_window_edge = 0x00000100;
}  // namespace window_style

// Window kinds 0..9. Kind 0 behaves as kind 8 and kind 7 as kind 4; no
// Frame number selects either.
using WindowKind = std::uint8_t;

struct FrameChoice {
  WindowKind kind;
  std::int32_t default_placement;
};

// Null for a Frame outside 0..7, which selects no kind.
[[nodiscard]] std::optional<FrameChoice> choose_frame(std::int32_t frame);

struct FrameOptions {
  bool close_box = false;
  bool grow_icon = false;
  bool zoom_icon = false;
};

struct WindowStyles {
  std::uint32_t style = 0;
  std::uint32_t extended = 0;
};

[[nodiscard]] WindowStyles styles_of_kind(WindowKind kind, FrameOptions options, bool multiple_document);

// Modal kinds go on the modal stack and keep input from the other windows.
[[nodiscard]] bool is_modal_kind(WindowKind kind);
// Whether the user may resize a window of this kind.
[[nodiscard]] bool is_resizable_kind(WindowKind kind, FrameOptions options);
// Document kinds (0 and 8) may hold the menu bar and own later windows.
[[nodiscard]] bool is_document_kind(WindowKind kind);
// Whether an activated window gives the keyboard focus back to the pane that
// had it; the floating kind 1 and kind 7 do not.
[[nodiscard]] bool refocuses_on_activation(WindowKind kind);

}  // namespace zrt
