// Shows Quellix's main job where nobody sits at the screen (`make run`
// without a display): drives the program as a user would on the sample
// shipped in samples/, keeps the files it writes and pictures of its
// windows, and says what it did.
//   quellix_demo QUELLIX_EXE GAUSSIAN_FILE OUTPUT_FOLDER
#include "tests/e2e/quellix_session.h"

#include <cstdio>
#include <string>

namespace {

int fail(const char* step) {
  std::printf("demo: %s did not work; stopping\n", step);
  std::fflush(stdout);
  return 1;
}

bool save_window(HWND window, const std::string& path) {
  return driver::save_png(driver::capture_client(window), quellix::windows_path(path));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::printf("usage: quellix_demo QUELLIX_EXE GAUSSIAN_FILE OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string input = argv[2];
  const std::string folder = argv[3];
  const std::string input_name = quellix::file_name(input);
  const std::string base = input_name.substr(0, input_name.find('.'));
  ::CreateDirectoryA(quellix::windows_path(folder).c_str(), nullptr);

  quellix::Session session(quellix::windows_path(argv[1]));
  if (!session.started()) return fail("starting Quellix");
  std::printf("demo: Quellix started; \"OK\" in the About window, then %s in the open dialog\n", input_name.c_str());
  if (!session.open(input)) return fail("opening the Gaussian file");
  HWND main = session.main();

  const std::string raw_list = folder + "/" + base + "-as-read.fre";
  session.save(main, "Save List", raw_list);
  std::printf("demo: \"Save List\" wrote the modes as read: %s\n", raw_list.c_str());
  if (!session.press(main, "Recalculate")) return fail("Recalculate");
  const std::string list = folder + "/" + base + ".fre";
  session.save(main, "Save List", list);
  std::printf("demo: \"Recalculate\", then \"Save List\" wrote the line list: %s\n", list.c_str());
  save_window(main, folder + "/main-window.png");

  HWND plot = session.show_plot(input_name);
  if (!plot) return fail("Show Plot");
  ::Sleep(300);  // its first paint
  save_window(plot, folder + "/plot-window.png");
  const std::string spectrum = folder + "/" + base + ".tab";
  session.save(plot, "Save Data", spectrum);
  std::printf("demo: \"Show Plot\", then \"Save Data\" wrote the spectrum: %s\n", spectrum.c_str());
  std::printf("demo: pictures of the windows: %s/main-window.png, %s/plot-window.png\n", folder.c_str(),
              folder.c_str());

  session.quit();
  const auto code = session.process().wait();
  std::printf("demo: \"Quit\"; Quellix ended with exit code %lu\n", code ? *code : 999ul);
  std::fflush(stdout);
  return code && *code == 0 ? 0 : 1;
}
