// Where a graphics object's drawing lands: a window's content area, a canvas,
// a picture's bitmap or a printed page. A target lends its device context to
// the one current drawing port and takes it back when another port needs one.
#pragma once

#include <windows.h>

namespace zrt {

class DrawingTarget {
 public:
  DrawingTarget() = default;
  DrawingTarget(const DrawingTarget&) = delete;
  DrawingTarget& operator=(const DrawingTarget&) = delete;
  virtual ~DrawingTarget() = default;

  // Null when the target cannot give a context now; then nothing is drawn.
  [[nodiscard]] virtual HDC acquire_context() = 0;
  virtual void release_context(HDC context) = 0;
  [[nodiscard]] virtual int width() const = 0;
  [[nodiscard]] virtual int height() const = 0;
  // Where the drawing area's top-left corner lies in the context's space.
  [[nodiscard]] virtual POINT offset() const { return {0, 0}; }
  // Only a printed page turns over; elsewhere nothing happens.
  virtual void next_page() {}
  // Told after each drawing call, so cached copies of the pixels go stale.
  virtual void pixels_changed() {}
};

}  // namespace zrt
