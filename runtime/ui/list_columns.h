// The widths of a list's columns from its width and its ColumnWidths text.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zrt {

// The room the vertical scroll bar takes at the list's right edge.
inline constexpr std::int32_t list_scroll_bar_width = 17;

// Fills widths[0..columns-1] for a list `list_width` pixels wide. The text
// gives one item per column, separated by commas: a number of pixels, a
// percentage of the room beside the scroll bar ("50%"), or nothing (an
// equal share of what is left); an item without digits ("*") counts 0. No
// column takes more than is left, and the last takes what remains.
void compute_column_widths(std::int32_t list_width, std::string_view widths_text,
                           std::span<std::int16_t> widths);

}  // namespace zrt
