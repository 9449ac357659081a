// A compiled program with three separators of the appearance-controls
// library (separators.zs), started as its own process: the library draws
// each as a dark and a light line in the system's button colours. The
// library file it writes at start is checked too: a foreign file at its
// place is never loaded, and two programs running at once both draw.
#include "runtime/core/plugin_entries.h"
#include "tests/driver/gui_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::uint32_t rgb_of(COLORREF colour) {
  return static_cast<std::uint32_t>(GetRValue(colour)) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

// One line of a separator: where it starts in the window, its direction
// and length, and whether it is the dark one.
struct Line {
  const char* what;
  int x, y;
  int dx, dy;
  int length;
  bool dark;
};

// Separators at (10, 10) 99 by 4, (10, 30) 4 by 99 and (50, 30) 20 by 20.
constexpr Line lines[] = {
    {"wide, row 2", 10, 12, 1, 0, 99, true},   {"wide, row 3", 10, 13, 1, 0, 99, false},
    {"tall, column 2", 12, 30, 0, 1, 99, true}, {"tall, column 3", 13, 30, 0, 1, 99, false},
    {"square, column 10", 60, 30, 0, 1, 20, true}, {"square, column 11", 61, 30, 0, 1, 20, false},
};

// Pixels of the line that are not its colour, and whether the pixel just
// past its end is (LineTo leaves the end point out).
std::string line_faults(const driver::Image& image, const Line& line) {
  const std::uint32_t colour = rgb_of(::GetSysColor(line.dark ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
  int wrong = 0;
  for (int i = 0; i < line.length; ++i)
    if ((image.at(line.x + i * line.dx, line.y + i * line.dy) & 0xFFFFFF) != colour) ++wrong;
  std::string faults;
  if (wrong > 0) faults += std::to_string(wrong) + " pixels are not the line's colour; ";
  if ((image.at(line.x + line.length * line.dx, line.y + line.length * line.dy) & 0xFFFFFF) == colour)
    faults += "the line runs past its end; ";
  return faults;
}

// Waits for the program's window to paint, then checks every line.
void expect_separators_drawn(const driver::Process& program) {
  HWND window = nullptr;
  driver::wait_until([&] { return (window = driver::find_window("ZTWindow", "Separators", program.id())) != nullptr; });
  ASSERT_NE(window, nullptr) << "the window did not appear";
  ::SetForegroundWindow(window);
  ::BringWindowToTop(window);
  const std::uint32_t dark = rgb_of(::GetSysColor(COLOR_BTNSHADOW));
  const driver::Image image = driver::capture_client_when(window, [&](const driver::Image& shown) {
    if (shown.width > 120 && shown.height > 130 && (shown.at(20, 12) & 0xFFFFFF) == dark) return true;
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return false;
  });
  ASSERT_GT(image.width, 120);
  ASSERT_GT(image.height, 130);
  for (const Line& line : lines) EXPECT_EQ(line_faults(image, line), "") << line.what;
}

void close_program(driver::Process& program) {
  if (HWND window = driver::find_window("ZTWindow", "Separators", program.id()))
    ::PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.wait(), 0u);
}

std::vector<std::uint8_t> file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Where the runtime writes the library, and the fresh subfolders it may use.
std::string library_place(int fresh) {
  char folder[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder);
  const std::string place = std::string(folder) + "\\Zoltic\\Plugins\\" +
                            zrt::library_folder_name(file_bytes(Z_PLUGIN_DLL)) + "\\";
  return fresh == 0 ? place : place + std::to_string(fresh) + "\\";
}

void remove_written_libraries() {
  for (int fresh = 0; fresh < 16; ++fresh) ::DeleteFileA((library_place(fresh) + "zoltbap1.dll").c_str());
}

void plant(const std::string& path) {
  ::SHCreateDirectoryExA(nullptr, library_place(0).c_str(), nullptr);
  std::ofstream(path, std::ios::binary) << "MZ not the library";
}

const std::string program_command = std::string("\"") + Z_SEPARATORS_EXE + "\"";

TEST(Separators, AForeignFileAtTheLibrarysPlaceIsOverwrittenAndTheSeparatorsDraw) {
  remove_written_libraries();
  const std::string path = library_place(0) + "zoltbap1.dll";
  plant(path);
  driver::Process program(program_command);
  ASSERT_TRUE(program.started());
  expect_separators_drawn(program);
  close_program(program);
  EXPECT_EQ(file_bytes(path), file_bytes(Z_PLUGIN_DLL));
}

TEST(Separators, TwoProgramsAtOnceBothDrawAndAForeignFileHeldOpenIsNotLoaded) {
  remove_written_libraries();
  const std::string path = library_place(0) + "zoltbap1.dll";
  plant(path);
  // Held open against writers, the foreign file cannot be replaced: the
  // programs must write the library elsewhere.
  HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  driver::Process first(program_command);
  ASSERT_TRUE(first.started());
  expect_separators_drawn(first);
  driver::Process second(program_command);
  ASSERT_TRUE(second.started());
  expect_separators_drawn(second);
  close_program(second);
  close_program(first);
  ::CloseHandle(held);
  EXPECT_EQ(file_bytes(path).size(), std::string("MZ not the library").size()) << "the foreign file was replaced";
  EXPECT_EQ(file_bytes(library_place(1) + "zoltbap1.dll"), file_bytes(Z_PLUGIN_DLL));
}

}  // namespace
