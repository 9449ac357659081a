// The Separator: an etched line across its rectangle in the system's button
// shadow and highlight colours, horizontal when wider than tall.
#include "app/plugin/appearance_controls.h"
#include "app/plugin/runtime_routines.h"

#include <windows.h>

namespace appearance {
namespace {

RuntimeRoutine<void(void*, std::int16_t*)> g_control_bounds("GetControlBounds");
RuntimeRoutine<HDC(void*)> g_graphics_context("ZOLTGraphicsDC");

// Draws from one point to the other, the end point left out.
void line(HDC context, int x1, int y1, int x2, int y2) {
  ::MoveToEx(context, x1, y1, nullptr);
  ::LineTo(context, x2, y2);
}

void draw_separator(void* control, void* graphics) {
  auto* control_bounds = g_control_bounds.get();
  auto* graphics_context = g_graphics_context.get();
  if (control_bounds == nullptr || graphics_context == nullptr) return;
  HDC context = graphics_context(graphics);
  if (context == nullptr) return;
  std::int16_t bounds[4] = {};  // top, left, bottom, right
  control_bounds(control, bounds);
  const int top = bounds[0], left = bounds[1], bottom = bounds[2], right = bounds[3];
  HPEN dark = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
  HPEN light = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
  HGDIOBJ previous = ::SelectObject(context, dark);
  if (right - left > bottom - top) {
    const int y = (top + bottom) / 2;
    line(context, left, y, right, y);
    ::SelectObject(context, light);
    line(context, left, y + 1, right, y + 1);
  } else {
    const int x = (left + right) / 2;
    line(context, x, top, x, bottom);
    ::SelectObject(context, light);
    line(context, x + 1, top, x + 1, bottom);
  }
  ::SelectObject(context, previous);
  ::DeleteObject(dark);
  ::DeleteObject(light);
}

}  // namespace

const ControlBehaviour separator_behaviour{nullptr, &draw_separator};

}  // namespace appearance
