// Quellix's own work timed through its user interface, the program started
// as its own process and driven as a user drives it:
// - "Recalculate" (the line list and the spectrum) for 3,000 modes, beside
//   the same arithmetic done here in C++ (the floor);
// - one repaint of a plot window's canvas (the plot drawn into its picture
//   and the picture copied into the canvas), beside the repaint of a canvas
//   that only copies a small picture (the floor).
// With --read FILE it prints only the seconds from the open dialog's
// confirmation of FILE to the filled list (gaussian_reading_bench uses it).
#include "tests/bench/bench.h"
#include "tests/e2e/quellix_session.h"

#include <windows.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double recalculate_target_ns = 500'000'000;
constexpr double repaint_target_ns = 10'000'000;
constexpr int modes = 3000;
constexpr int repaints = 20;

double nanoseconds_since(Clock::time_point start) {
  return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

// A Gaussian-format frequency section of `count` modes, 1 cm-1 apart from
// 500 cm-1, with growing Raman activities.
std::string write_modes(int count) {
  char folder[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "quellix-bench-modes.out";
  std::ofstream out(path, std::ios::binary);
  auto row = [&](const char* label, int first, int last, auto value) {
    out << label;
    for (int m = first; m < last; ++m) {
      char field[32];
      std::snprintf(field, sizeof field, "%11.4f", value(m));
      out << field << (m + 1 < last ? "            " : "");
    }
    out << "\n";
  };
  for (int first = 0; first < count; first += 3) {
    const int last = first + 3 < count ? first + 3 : count;
    row(" Frequencies --", first, last, [](int m) { return 500.0 + m; });
    row(" Red. masses --", first, last, [](int) { return 1.0; });
    row(" Frc consts  --", first, last, [](int) { return 0.1; });
    row(" IR Inten    --", first, last, [](int) { return 0.5; });
    row(" Raman Activ --", first, last, [](int m) { return 1.0 + m % 97; });
  }
  return path;
}

// The line list and the spectrum of `count` such modes, computed directly.
double computed_spectrum_peak(int count) {
  std::vector<double> intensity(count), spectrum(4001);
  double highest = 0;
  for (int m = 0; m < count; ++m) highest = std::fmax(highest, intensity[m] = std::sqrt(1.0 + m % 97));
  const double c = 7.5 * std::exp(1.5);
  for (int m = 0; m < count; ++m) {
    const int f = 500 + m;
    for (int j = 1; j <= 400; ++j) {
      const int x = f - 200 + j, d = j - 200;
      if (x >= 0 && x <= 4000) spectrum[x] += 100 * intensity[m] / highest * std::exp(-(d * d) / c);
    }
  }
  double peak = 0;
  for (double value : spectrum) peak = std::fmax(peak, value);
  return peak;
}

// The window's canvas: the largest of its panes.
HWND canvas_of(HWND window) {
  HWND canvas = nullptr;
  LONG largest = 0;
  for (HWND child : driver::child_windows(window)) {
    RECT area{};
    ::GetClientRect(child, &area);
    const LONG size = area.right * area.bottom;
    if (driver::class_name(child) == "ZT_Pane" && size > largest) {
      canvas = child;
      largest = size;
    }
  }
  return canvas;
}

// The time of one forced repaint of the window's canvas, as the user's
// screen would ask for it: its Paint event and nothing else. The buttons and
// texts beside it are the system's to draw and are not part of the plot.
double repaint_ns(HWND window) {
  HWND canvas = canvas_of(window);
  if (canvas == nullptr) return 0;
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < repaints; ++i) ::RedrawWindow(canvas, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  return nanoseconds_since(start) / repaints;
}

int time_reading(const std::string& file) {
  quellix::Session session(Z_QUELLIX_EXE);
  // The clock starts once the open dialog is up, so that the time the
  // system takes to make the dialog is not counted as reading.
  if (!session.confirm_about() || !driver::file_dialog_types(session.id())) return 1;
  const Clock::time_point start = Clock::now();
  if (!session.choose(file)) return 1;
  std::printf("%.3f\n", nanoseconds_since(start) / 1e9);
  session.quit();
  return session.process().wait() == 0u ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--read") return time_reading(argv[2]);

  quellix::Session session(Z_QUELLIX_EXE);
  if (!session.open(write_modes(modes))) {
    std::printf("Quellix did not open the %d-mode file\n", modes);
    return 1;
  }
  const Clock::time_point start = Clock::now();
  if (!session.press(session.main(), "Recalculate")) return 1;
  const double recalculate = nanoseconds_since(start);
  const zbench::Timing floor = zbench::measure([] { zbench::keep(computed_spectrum_peak(modes)); });
  zbench::report("Recalculate, 3,000 modes (line list, spectrum)", {recalculate, 1}, recalculate_target_ns);
  zbench::report("  floor: the same arithmetic in C++", floor, recalculate_target_ns);

  HWND plot = session.show_plot("quellix-bench-modes.out");
  if (!plot) return 1;
  const double plot_repaint = repaint_ns(plot);
  driver::Process simple(std::string("\"") + Z_CANVAS_PLOT_EXE + "\"");
  HWND simple_window = driver::wait_for_window("ZTWindow", "Canvas plot", simple.id());
  const double simple_repaint = simple_window ? repaint_ns(simple_window) : 0;
  zbench::report("Plot canvas repaint (DrawPlot, copy to canvas)", {plot_repaint, repaints}, repaint_target_ns);
  zbench::report("  floor: a canvas copying a small picture", {simple_repaint, repaints}, repaint_target_ns);
  if (simple_window) ::PostMessageA(simple_window, WM_CLOSE, 0, 0);
  session.quit();
  return session.process().wait() == 0u ? 0 : 1;
}
