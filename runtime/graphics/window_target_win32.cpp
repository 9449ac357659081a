// Device contexts and sizes of a window's content area.
#include "runtime/graphics/window_target_win32.h"

namespace zrt {
namespace {

RECT client_area(HWND window) {
  RECT area{};
  ::GetClientRect(window, &area);
  return area;
}

}  // namespace

HDC WindowTarget::acquire_context() {
  if (!::IsWindow(m_window)) return nullptr;
  HDC context = ::GetDC(m_window);
  // No palette is selected: the runtime keeps none (see on_paint).
  if (context != nullptr) ::SetTextAlign(context, TA_LEFT | TA_BASELINE);
  return context;
}

void WindowTarget::release_context(HDC context) { ::ReleaseDC(m_window, context); }

int WindowTarget::width() const {
  const RECT area = client_area(m_window);
  return area.right - area.left;
}

int WindowTarget::height() const {
  const RECT area = client_area(m_window);
  return area.bottom - area.top;
}

}  // namespace zrt
