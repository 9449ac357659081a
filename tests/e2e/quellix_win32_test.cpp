// Quellix driven as a user drives it, one process per session: "OK" in the
// About window, a Gaussian output file in the open dialog, then the main
// window's and the plot window's buttons. The files it writes and the curve
// it draws are compared with what tests/e2e/quellix_reference.py computes
// from the same input.
#include "tests/e2e/quellix_session.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using quellix::read_file;
using quellix::Session;
using quellix::windows_path;
using quellix::file_name;
using quellix::canvas_left;
using quellix::canvas_top;
using quellix::canvas_width;
using quellix::canvas_height;

std::string expected(const std::string& name, const std::string& extension) {
  return std::string(Z_EXPECTED_DIR) + "/" + name + extension;
}

// A fresh folder for one test's output files.
std::string scratch_folder(const std::string& name) {
  const std::string folder = std::string(Z_SCRATCH_DIR) + "/" + name;
  ::CreateDirectoryA(windows_path(Z_SCRATCH_DIR).c_str(), nullptr);
  ::CreateDirectoryA(windows_path(folder).c_str(), nullptr);
  // Emptied, so that no save meets a file of an earlier run and the
  // system's "replace it?" question.
  WIN32_FIND_DATAA found{};
  HANDLE search = ::FindFirstFileA(windows_path(folder + "/*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        ::DeleteFileA(windows_path(folder + "/" + found.cFileName).c_str());
    while (::FindNextFileA(search, &found));
    ::FindClose(search);
  }
  return folder;
}

// ---- The plot ----

constexpr int plot_top = 18, plot_left = 40, plot_bottom = canvas_height - 50, plot_right = canvas_width - 18;
constexpr std::uint32_t black = 0x000000;

// The curve's colour RGB(0, 100, 100) as a depth-8 picture holds it: the
// nearest entry of its 6 x 6 x 6 colour cube, whose steps are 51 apart.
constexpr std::uint32_t cube(int red, int green, int blue) {
  auto step = [](int c) { return static_cast<std::uint32_t>((c + 25) / 51 * 51); };
  return step(red) << 16 | step(green) << 8 | step(blue);
}
constexpr std::uint32_t curve_colour = cube(0, 100, 100);

std::set<std::pair<int, int>> expected_curve(const std::string& name) {
  std::set<std::pair<int, int>> pixels;
  std::istringstream in(read_file(expected(name, ".curve")));
  int x = 0, y = 0;
  while (in >> x >> y) pixels.insert({x, y});
  return pixels;
}

std::uint32_t canvas_pixel(const driver::Image& image, int x, int y) {
  return image.at(canvas_left + x, canvas_top + y) & 0xFFFFFF;
}

// The x of a tick or a point: 468 pixels for 4000 cm-1, rounded half up.
int x_of(double wavenumber) {
  return static_cast<int>(std::floor(wavenumber * (plot_right - plot_left) / 4000 + 0.5)) + plot_left;
}

// Checks the frame, the ticks with their labels, and that the curve's
// pixels are exactly those expected; gives a description of what differs.
std::string plot_differences(const driver::Image& image, const std::set<std::pair<int, int>>& curve) {
  std::ostringstream out;
  if (image.width < canvas_left + canvas_width || image.height < canvas_top + canvas_height) {
    out << "no plot captured: the client area is " << image.width << " by " << image.height;
    return out.str();
  }
  auto expect_black = [&](int x, int y, const char* what) {
    if (!curve.count({x, y}) && canvas_pixel(image, x, y) != black) out << what << " at (" << x << ", " << y << "); ";
  };
  for (int y = plot_top; y < plot_bottom; ++y) {
    expect_black(plot_left, y, "left edge");
    expect_black(plot_right, y, "right edge");
  }
  for (int x = plot_left; x < plot_right; ++x) {
    expect_black(x, plot_top, "top edge");
    expect_black(x, plot_bottom, "bottom edge");
  }
  auto dark_in = [&](int left, int top, int right, int bottom) {
    int dark = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) dark += canvas_pixel(image, x, y) == black;
    return dark;
  };
  for (int i = 0; i <= 8; ++i) {
    const int x = x_of(500.0 * i);
    for (int y = plot_bottom; y < plot_bottom + 5; ++y) expect_black(x, y, "x tick");
    if (dark_in(x - 12, plot_bottom + 8, x + 13, plot_bottom + 22) < 5) out << "no label under the x tick at " << x << "; ";
  }
  for (int i = 0; i <= 5; ++i) {
    const int y = plot_bottom - static_cast<int>(std::floor(20.0 * i * (plot_bottom - plot_top) / 100 + 0.5));
    for (int x = plot_left - 5; x < plot_left; ++x) expect_black(x, y, "y tick");
    if (dark_in(plot_left - 32, y - 6, plot_left - 8, y + 6) < 5) out << "no label left of the y tick at " << y << "; ";
  }
  int missing = 0, extra = 0;
  for (int y = 0; y < canvas_height; ++y)
    for (int x = 0; x < canvas_width; ++x) {
      const bool drawn = canvas_pixel(image, x, y) == curve_colour;
      const bool wanted = curve.count({x, y}) > 0;
      if (wanted && !drawn && missing++ == 0) out << "curve missing at (" << x << ", " << y << "); ";
      if (drawn && !wanted && extra++ == 0) out << "curve where none belongs at (" << x << ", " << y << "); ";
    }
  if (missing || extra) out << missing << " curve pixels missing, " << extra << " extra";
  return out.str();
}

// What differs between the plot window's canvas on the screen and the
// expected plot, once they agree or the driver's patience ends: another
// process's repaint may reach the screen in parts.
std::string shown_plot_differences(HWND plot, const std::set<std::pair<int, int>>& curve) {
  std::string differences;
  driver::wait_until([&] { return (differences = plot_differences(driver::capture_client(plot), curve)).empty(); });
  return differences;
}

// ---- Every Gaussian file from start to end ----

class GaussianFile : public ::testing::TestWithParam<std::string> {};

std::vector<std::string> inputs() {
  std::vector<std::string> paths;
  WIN32_FIND_DATAA found{};
  const std::string folder = Z_GAUSSIAN_DIR;
  HANDLE search = ::FindFirstFileA(windows_path(folder + "/*.out").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do paths.push_back(folder + "/" + found.cFileName);
    while (::FindNextFileA(search, &found));
    ::FindClose(search);
  }
  paths.push_back(std::string(Z_MADE_DIR) + "/modes-300.out");
  paths.push_back(std::string(Z_MADE_DIR) + "/zero-activities.out");
  paths.push_back(std::string(Z_SAMPLES_DIR) + "/demo-molecule.out");
  return paths;
}

// The window's client area with every control painted, as a PNG file.
bool save_picture(Session& session, HWND window, const std::string& path) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  session.settle(window);
  return driver::save_png(driver::capture_client(window), path);
}

TEST_P(GaussianFile, ListBeforeAndAfterRecalculateThePlotAndTheSpectrum) {
  const std::string path = GetParam();
  const std::string name = file_name(path).substr(0, file_name(path).find('.'));
  const std::string folder = scratch_folder(name);
  Session session(Z_QUELLIX_EXE);
  ASSERT_TRUE(session.started());
  ASSERT_TRUE(session.open(path)) << "no main window after choosing " << path;
  HWND main = session.main();
  EXPECT_TRUE(::IsWindowEnabled(session.button(main, "Recalculate")));
  EXPECT_FALSE(::IsWindowEnabled(session.button(main, "Show Plot")));

  EXPECT_EQ(session.save(main, "Save List", folder + "/" + name + ".raw.fre"), read_file(expected(name, ".raw.fre")))
      << "the list as read";
  ASSERT_TRUE(session.press(main, "Recalculate"));
  EXPECT_FALSE(::IsWindowEnabled(session.button(main, "Recalculate")));
  EXPECT_TRUE(::IsWindowEnabled(session.button(main, "Show Plot")));
  EXPECT_EQ(session.save(main, "Save List", folder + "/" + name + ".fre"), read_file(expected(name, ".fre")))
      << "the line list";

  // `make screenshots` asks for the pictures the README shows; the main
  // window's is taken before the plot window covers it.
  const char* pictures = name == "demo-molecule" ? std::getenv("Z_SCREENSHOT_DIR") : nullptr;
  if (pictures) {
    EXPECT_TRUE(save_picture(session, main, std::string(pictures) + "\\main-window.png"));
  }
  HWND plot = session.show_plot(file_name(path));
  ASSERT_NE(plot, nullptr) << "no plot window";
  EXPECT_FALSE(::IsWindowEnabled(session.button(plot, "Save JPEG")));
  EXPECT_FALSE(::IsWindowEnabled(session.button(plot, "Copy 2 Clip")));
  EXPECT_EQ(shown_plot_differences(plot, expected_curve(name)), "");
  if (pictures) {
    EXPECT_TRUE(save_picture(session, plot, std::string(pictures) + "\\plot-window.png"));
  }
  EXPECT_EQ(session.save(plot, "Save Data", folder + "/" + name + ".tab"), read_file(expected(name, ".tab")))
      << "the spectrum";
  EXPECT_FALSE(::IsWindowEnabled(session.button(main, "Recalculate"))) << "Recalculate stays disabled";

  session.quit();
  EXPECT_EQ(session.process().wait(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Quellix, GaussianFile, ::testing::ValuesIn(inputs()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = file_name(info.param);
                           for (char& c : name)
                             if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

// ---- Ending, and what goes wrong ----

TEST(QuellixSession, CancelInTheFirstOpenDialogEndsTheProgramSilently) {
  Session session(Z_QUELLIX_EXE);
  ASSERT_TRUE(session.confirm_about());
  ASSERT_TRUE(driver::cancel_file_dialog(session.id()));
  EXPECT_EQ(session.process().wait(), 0u);
  EXPECT_EQ(driver::find_window("", "Quellix 1.0", session.id()), nullptr);
}

// A control's rectangle in its window's client area. Push buttons sit in a
// pane of their own, so the window, not the button's parent, is the frame.
RECT client_rect_of(HWND control, HWND window) {
  RECT rect{};
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The main window at its definition's size with its buttons where the
// definition puts them.
TEST(QuellixSession, MainWindowAsDefined) {
  Session session(Z_QUELLIX_EXE);
  ASSERT_TRUE(session.open(std::string(Z_SAMPLES_DIR) + "/demo-molecule.out"));
  RECT client{};
  ::GetClientRect(session.main(), &client);
  EXPECT_EQ(client.right, 366);
  EXPECT_EQ(client.bottom, 532);
  const struct {
    const char* caption;
    RECT rect;
  } buttons[] = {{"Quit", {242, 495, 341, 515}},
                 {"Recalculate", {242, 55, 341, 75}},
                 {"Save List", {242, 176, 341, 196}},
                 {"Show Plot", {242, 280, 341, 300}}};
  for (const auto& button : buttons) {
    HWND found = session.button(session.main(), button.caption);
    ASSERT_NE(found, nullptr) << button.caption;
    const RECT rect = client_rect_of(found, session.main());
    EXPECT_TRUE(::EqualRect(&rect, &button.rect)) << button.caption << " at " << rect.left << ", " << rect.top;
  }
  session.quit();
  EXPECT_EQ(session.process().wait(), 0u);
}

// Keys as typed on the keyboard, reaching the focused window: each pair is
// a virtual key and its event flags.
void type_keys(HWND main, std::initializer_list<std::pair<WORD, DWORD>> sequence) {
  ::SetForegroundWindow(main);
  std::vector<INPUT> keys;
  for (const auto& [key, flags] : sequence) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    keys.push_back(input);
  }
  ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

// File > Quit from the keyboard: the menu bar is entered as Alt enters it
// (its first menu, File, selected), Down opens File with its first item,
// Quit, selected, and Enter chooses it. The posted command is handled before
// the typed keys, which the menu's own loop then reads.
void choose_file_quit(HWND main) {
  ::PostMessageA(main, WM_SYSCOMMAND, SC_KEYMENU, 0);
  type_keys(main, {{VK_DOWN, 0}, {VK_DOWN, KEYEVENTF_KEYUP}, {VK_RETURN, 0}, {VK_RETURN, KEYEVENTF_KEYUP}});
}

void type_control_q(HWND main) {
  type_keys(main, {{VK_CONTROL, 0}, {'Q', 0}, {'Q', KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}});
}

class QuitWay : public ::testing::TestWithParam<void (*)(HWND)> {};

TEST_P(QuitWay, EndsTheProgram) {
  Session session(Z_QUELLIX_EXE);
  ASSERT_TRUE(session.open(std::string(Z_SAMPLES_DIR) + "/demo-molecule.out"));
  GetParam()(session.main());
  EXPECT_EQ(session.process().wait(), 0u);
}

INSTANTIATE_TEST_SUITE_P(FileQuitAndControlQ, QuitWay, ::testing::Values(choose_file_quit, type_control_q));

// Plot windows live on their own: closing one leaves the other repainting;
// closing the main window leaves the program running, and the plot window's
// next use of it makes a fresh, empty main window, whose spectrum file is
// empty.
TEST(QuellixSession, PlotWindowsOutliveEachOtherAndTheMainWindow) {
  const std::string folder = scratch_folder("plots");
  Session session(Z_QUELLIX_EXE);
  ASSERT_TRUE(session.open(std::string(Z_SAMPLES_DIR) + "/demo-molecule.out"));
  ASSERT_TRUE(session.press(session.main(), "Recalculate"));
  HWND first = session.show_plot("demo-molecule.out");
  ASSERT_NE(first, nullptr);
  HWND second = nullptr;
  ASSERT_TRUE(session.press(session.main(), "Show Plot"));
  driver::wait_until([&] {
    for (HWND window = ::FindWindowExA(nullptr, nullptr, nullptr, "Plot of demo-molecule.out"); window;
         window = ::FindWindowExA(nullptr, window, nullptr, "Plot of demo-molecule.out"))
      if (window != first && ::IsWindowVisible(window)) second = window;
    return second != nullptr;
  });
  ASSERT_NE(second, nullptr) << "no second plot window";
  driver::press_button(session.button(first, "Close"));
  EXPECT_TRUE(driver::wait_until([&] { return !::IsWindow(first); })) << "Close left the plot window open";
  ASSERT_TRUE(::IsWindow(second)) << "closing one plot window closed the other";
  // Under Wine the main window, activated in the closed window's place,
  // comes in front of the plot window it now owns and hides part of it; the
  // plot is brought forward as a click on its title bar would.
  ::SetForegroundWindow(second);
  ::RedrawWindow(second, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_EQ(shown_plot_differences(second, expected_curve("demo-molecule")), "");

  ::PostMessageA(session.main(), WM_CLOSE, 0, 0);
  session.settle(second);
  EXPECT_FALSE(::IsWindow(session.main()));
  EXPECT_FALSE(session.process().wait(std::chrono::milliseconds(500)).has_value()) << "the program ended";
  EXPECT_EQ(session.save(second, "Save Data", folder + "/fresh.tab"), "");
  EXPECT_NE(::GetFileAttributesA(windows_path(folder + "/fresh.tab").c_str()), INVALID_FILE_ATTRIBUTES);
  // The fresh window shows in the loop's next turn, which need not have come
  // when the save has settled.
  EXPECT_TRUE(driver::wait_until([&] { return driver::find_window("", "Quellix 1.0", session.id()) != nullptr; }))
      << "no fresh main window";
  ::PostMessageA(second, WM_CLOSE, 0, 0);
  ::PostMessageA(driver::find_window("", "Quellix 1.0", session.id()), WM_CLOSE, 0, 0);
  EXPECT_EQ(session.process().wait(), 0u);
}

// A file the program cannot open is named in a message and the dialog comes
// again; a list file it cannot create is named too, keeps its old content,
// and the session goes on.
TEST(QuellixSession, UnreadableAndUnwritableFilesAreNamedAndTheSessionGoesOn) {
  const std::string folder = scratch_folder("locked");
  const std::string locked_input = folder + "/locked.out";
  const std::string locked_list = folder + "/locked.fre";
  for (const std::string& path : {locked_input, locked_list}) {
    std::ofstream(windows_path(path), std::ios::binary) << "kept";
  }
  HANDLE input_lock = ::CreateFileA(windows_path(locked_input).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(input_lock, INVALID_HANDLE_VALUE);
  Session session(Z_QUELLIX_EXE);
  ASSERT_TRUE(session.confirm_about());
  ASSERT_TRUE(driver::choose_file(windows_path(locked_input), session.id()));
  const auto unreadable = driver::answer_message_box(session.id());
  ASSERT_TRUE(unreadable.has_value()) << "no message for the unreadable file";
  EXPECT_NE(unreadable->find("locked.out"), std::string::npos) << *unreadable;
  ::CloseHandle(input_lock);
  ASSERT_TRUE(driver::choose_file(windows_path(std::string(Z_SAMPLES_DIR) + "/demo-molecule.out"), session.id()))
      << "the open dialog did not come again";
  HWND main = driver::wait_for_window("", "Quellix 1.0", session.id());
  ASSERT_NE(main, nullptr);

  HANDLE list_lock = ::CreateFileA(windows_path(locked_list).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(list_lock, INVALID_HANDLE_VALUE);
  driver::press_button(session.button(main, "Save List"));
  ASSERT_TRUE(driver::choose_file(windows_path(locked_list), session.id()));
  ASSERT_TRUE(driver::answer_message_box(session.id(), driver::k_default_timeout, IDYES).has_value())
      << "no question before replacing the file";
  const auto unwritable = driver::answer_message_box(session.id());
  ASSERT_TRUE(unwritable.has_value()) << "no message for the unwritable file";
  EXPECT_NE(unwritable->find("locked.fre"), std::string::npos) << *unwritable;
  ::CloseHandle(list_lock);
  EXPECT_EQ(read_file(locked_list), "kept");

  EXPECT_TRUE(session.press(main, "Recalculate")) << "the session goes on";
  EXPECT_FALSE(::IsWindowEnabled(session.button(main, "Recalculate")));
  driver::press_button(session.button(main, "Quit"));
  EXPECT_EQ(session.process().wait(), 0u);
}

}  // namespace
