// The frame table: kinds, default placements and styles.
#include "runtime/ui/frame_table.h"

#include <array>

namespace zrt {
namespace {

using namespace window_style;

constexpr std::array<FrameChoice, 8> frame_choices{{
    {8, 4}, {3, 2}, {2, 2}, {1, 0}, {4, 2}, {5, 2}, {6, 4}, {9, 0},
}};

std::uint32_t if_set(bool option, std::uint32_t bits) { return option ? bits : 0; }

std::uint32_t document_style(FrameOptions options) {
  return caption | (options.grow_icon ? thick_frame : border) | if_set(options.zoom_icon, minimize_box | maximize_box) |
         if_set(options.close_box, system_menu);
}

}  // namespace

std::optional<FrameChoice> choose_frame(std::int32_t frame) {
  if (frame < 0 || frame >= static_cast<std::int32_t>(frame_choices.size())) return std::nullopt;
  return frame_choices[static_cast<std::size_t>(frame)];
}

WindowStyles styles_of_kind(WindowKind kind, FrameOptions options, bool multiple_document) {
  const std::uint32_t mdi_child = if_set(multiple_document, ex_mdi_child);
  switch (kind) {
    case 0:
    case 8: return {document_style(options), 0};
    case 1: return {document_style(options), ex_topmost | ex_tool_window | ex_window_edge | mdi_child};
    case 2: return {popup | dialog_frame, 0};
    case 3: return {popup | caption, ex_dialog_modal_frame | mdi_child};
    case 4:
    case 5:
    case 7: return {popup | border, 0};
    case 6: return {caption | if_set(options.zoom_icon, minimize_box | maximize_box) | if_set(options.close_box, system_menu), 0};
    case 9:
      return {popup | (options.grow_icon ? thick_frame : border) | if_set(options.close_box, system_menu) |
                  if_set(options.zoom_icon, minimize_box | maximize_box),
              0};
    default: return {};
  }
}

bool is_modal_kind(WindowKind kind) {
  return kind == 2 || kind == 3 || kind == 4 || kind == 5 || kind == 7;
}

bool is_resizable_kind(WindowKind kind, FrameOptions options) {
  return (kind == 0 || kind == 1 || kind == 8 || kind == 9) && options.grow_icon;
}

bool is_document_kind(WindowKind kind) {
  return kind == 0 || kind == 8;
}

bool refocuses_on_activation(WindowKind kind) {
  return kind != 1 && kind != 7;
}

}  // namespace zrt
