// Text wrapped at word boundaries into a box of a device context.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace zrt {

// Draws the text from the box's top, one line per font height, each line
// aligned in the box's width by alignment (0 left, 1 centred, 2 right),
// clipped to the box. Each character is drawn where the font's measure
// places it, so no line reaches past the box's right edge and no gap between
// words closes, even where the system draws a run of text wider than it
// measures it.
void draw_wrapped_text(HDC context, const RECT& box, std::string_view text, std::int32_t alignment);

}  // namespace zrt
