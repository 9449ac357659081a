// Drawing a plot the way the application does: 4,000 one-pixel lines into a
// 526 x 378 depth-8 picture, then the picture copied into a window. Also the
// single calls on their own: their targets are what one GDI call costs under
// Wine here, which a context or font made again per call would exceed.
#include "runtime/core/objects.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/graphics/graphics_objects_win32.h"
#include "runtime/graphics/window_target_win32.h"
#include "runtime/interface/exports.h"
#include "tests/bench/bench.h"

#include <windows.h>

#include <memory>

namespace {

constexpr int k_width = 526;
constexpr int k_height = 378;
constexpr int k_lines = 4000;

HWND open_window() {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = ::DefWindowProcA;
  window_class.hInstance = ::GetModuleHandleA(nullptr);
  window_class.lpszClassName = "DrawingBench";
  ::RegisterClassA(&window_class);
  return ::CreateWindowExA(0, "DrawingBench", "bench", WS_POPUP | WS_VISIBLE, 0, 0, k_width, k_height, nullptr,
                           nullptr, window_class.hInstance, nullptr);
}

void draw_plot(ZObject* picture_graphics, ZObject* window_graphics, ZObject* picture) {
  RuntimeGraphicsClearRect(picture_graphics, 0, 0, k_width, k_height);
  for (int i = 0; i < k_lines; ++i) {
    const int x = i % (k_width - 1);
    const int y = (i * 37) % (k_height - 1);
    RuntimeGraphicsDrawLine(picture_graphics, x, y, x + 1, y + 1);
  }
  RuntimeGraphicsDrawPicture(window_graphics, picture, 0, 0, -10000, -10000, 0, 0, -10000, -10000);
}

}  // namespace

int main() {
  zrt::register_runtime_classes(nullptr);
  HWND window = open_window();
  if (window == nullptr) {
    std::printf("no window could be opened: skipped\n");
    return 0;
  }
  {
    zrt::ObjectRef picture = zrt::ObjectRef::adopt(newPicture(k_width, k_height, 8));
    zrt::ObjectRef picture_graphics = zrt::ObjectRef::adopt(pictureGraphicsGetter(picture.get(), 0));
    zrt::ObjectRef window_graphics = zrt::ObjectRef::adopt(
        zrt::new_graphics(std::make_unique<zrt::WindowTarget>(window), zrt::FontRequest{"Helvetica", 12}));
    zbench::Timing plot = zbench::measure([&] { draw_plot(picture_graphics.get(), window_graphics.get(), picture.get()); },
                                          std::chrono::milliseconds(2000));
    zbench::report("4,000 lines into a picture, copied to a window", plot, 5e6);
    zbench::report("one DrawLine into a picture",
                   zbench::measure([&] { RuntimeGraphicsDrawLine(picture_graphics.get(), 1, 1, 2, 2); }), 1000);
    zrt::StringRef label = zrt::StringRef::adopt(zrt::make_string("1000 cm-1"));
    zbench::report("one StringWidth (font cached)", zbench::measure([&] {
                     zbench::keep(RuntimeGraphicsStringWidth(picture_graphics.get(), label.get()));
                   }),
                   5000);
    zbench::report("one DrawString", zbench::measure([&] {
                     RuntimeGraphicsDrawString(picture_graphics.get(), label.get(), 10, 20, 0);
                   }),
                   20000);
  }
  ::DestroyWindow(window);
  zrt::unregister_runtime_classes();
  return 0;
}
