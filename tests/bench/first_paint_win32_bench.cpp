// The time from starting a compiled one-window program to its window
// painted: the canvas plot program is started as its own process, and the
// figure ends when the screen shows the block its canvas draws.
#include "tests/bench/bench.h"
#include "tests/driver/gui_driver.h"

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

constexpr double first_paint_target_ns = 300'000'000;
constexpr int runs = 5;
constexpr auto give_up_after = std::chrono::seconds(10);

// A point inside the red block, in the window's client coordinates.
constexpr int block_x = 20 + 30;
constexpr int block_y = 10 + 40;

bool block_painted(HWND window) {
  const driver::Image image = driver::capture_client(window);
  return image.width > block_x && image.height > block_y && (image.at(block_x, block_y) & 0xFFFFFF) == 0xFF0000;
}

}  // namespace

int main() {
  using Clock = std::chrono::steady_clock;
  Clock::duration spent{};
  int painted = 0;
  for (int run = 0; run < runs; ++run) {
    const Clock::time_point start = Clock::now();
    driver::Process program(std::string("\"") + Z_CANVAS_PLOT_EXE + "\"");
    HWND window = nullptr;
    bool shown = false;
    while (!shown && Clock::now() - start < give_up_after) {
      if (window == nullptr) window = driver::find_window("ZTWindow", "Canvas plot", program.id());
      shown = window != nullptr && block_painted(window);
      if (!shown) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const Clock::duration taken = Clock::now() - start;
    if (!shown) {
      std::printf("run %d: the window was not painted within %lld s\n", run, static_cast<long long>(give_up_after.count()));
      continue;
    }
    spent += taken;
    ++painted;
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    static_cast<void>(program.wait());
  }
  if (painted == 0) return 1;
  const double nanoseconds = std::chrono::duration<double, std::nano>(spent).count();
  zbench::report("Process start to first window painted", {nanoseconds / painted, painted}, first_paint_target_ns);
  return 0;
}
