// A window's content area as a drawing target: the window's device context,
// borrowed while its port is current, with text drawn on the baseline.
#pragma once

#include "runtime/graphics/drawing_target_win32.h"

namespace zrt {

class WindowTarget final : public DrawingTarget {
 public:
  explicit WindowTarget(HWND window) : m_window(window) {}

  HDC acquire_context() override;
  void release_context(HDC context) override;
  int width() const override;
  int height() const override;

 private:
  HWND m_window;
};

}  // namespace zrt
