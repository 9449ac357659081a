// Graphics objects: instances of the runtime class "Graphics" that own a
// drawing port. Owners (pictures, windows, canvases, the printer) make them
// here and cut them off their target when the target goes away.
#pragma once

#include "runtime/graphics/drawing_port_win32.h"
#include "runtime/interface/graphics_layout.h"

#include <memory>

struct ZObject;

namespace zrt {

// A new graphics object with count 1 on a target it does not own.
[[nodiscard]] ZObject* new_graphics(DrawingTarget& target);
// A new graphics object that owns its target, with its owner's font.
[[nodiscard]] ZObject* new_graphics(std::unique_ptr<DrawingTarget> target, const FontRequest& font);

// Null for nil and for an object whose port is gone.
[[nodiscard]] DrawingPort* port_of(ZObject* graphics);

// Drawing through the object does nothing from now on.
void cut_graphics_off(ZObject* graphics);

// Draws a window's or canvas's Backdrop at the target's origin in the
// picture's own size; nil draws nothing.
void draw_backdrop(ZObject* graphics, ZObject* picture);

}  // namespace zrt
