// Programs compiled by zc, run by the runtime as processes of their own in
// scratch folders. Each shows what it computed in message boxes, which the
// test answers in order; every program ends with exit code 0, whether it
// returns, raises EndException, meets an exception nobody takes or closes
// its last window. A program that states its boxes in "' expect: text"
// lines is run by the one data-driven test; the others are driven by hand.
#include "tests/images/image_runs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using image_runs::RunFolder;

struct Shown {
  std::vector<std::string> boxes;  // the texts of the boxes answered, in order
  image_runs::Outcome outcome;     // the exit code, and a box nobody expected
};

// Starts `program` in `folder` and answers `box_count` message boxes.
Shown run_answering(const RunFolder& folder, const std::string& program, std::size_t box_count) {
  Shown run;
  const auto process = folder.start(program);
  for (std::size_t i = 0; i < box_count; ++i) {
    auto text = RunFolder::answer_box(*process);
    if (!text) break;
    run.boxes.push_back(*text);
  }
  run.outcome = folder.finish(*process);
  return run;
}

// A packed program of this folder, run on its own.
Shown run_packed(const std::string& name, std::size_t box_count) {
  RunFolder folder(name);
  folder.write(name + ".exe", image_runs::built_program(name));
  return run_answering(folder, name + ".exe", box_count);
}

void expect_clean_end(const Shown& run) {
  EXPECT_EQ(run.outcome.exit_code, 0u);
  EXPECT_FALSE(run.outcome.message) << "a box nobody expected: " << *run.outcome.message;
}

// The message boxes a program's source says it shows, in order; its copy
// lies beside the packed program.
std::vector<std::string> stated_boxes(const std::string& name) {
  constexpr std::string_view k_marker = "' expect:";
  std::ifstream in(image_runs::built_folder() + name + ".zs");
  std::vector<std::string> boxes;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.starts_with(k_marker)) continue;
    const std::string_view text = std::string_view(line).substr(k_marker.size());
    boxes.emplace_back(text.starts_with(' ') ? text.substr(1) : text);
  }
  return boxes;
}

std::vector<std::string> programs_stating_their_boxes() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(image_runs::built_folder())) {
    const std::string name = entry.path().stem().string();
    if (entry.path().extension() == ".zs" && !stated_boxes(name).empty()) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

class StatedBoxes : public ::testing::TestWithParam<std::string> {};

TEST_P(StatedBoxes, TheProgramShowsWhatItsSourceStatesAndEndsCleanly) {
  const std::vector<std::string> expected = stated_boxes(GetParam());
  const Shown run = run_packed(GetParam(), expected.size());
  EXPECT_EQ(run.boxes, expected);
  expect_clean_end(run);
}

INSTANTIATE_TEST_SUITE_P(Programs, StatedBoxes, ::testing::ValuesIn(programs_stating_their_boxes()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

// A program that states no boxes and is not driven below would run nowhere.
TEST(ProgramRun, EveryProgramStatesItsBoxesOrIsDrivenByHand) {
  const std::vector<std::string> driven{"menus", "windows", "timers", "sockets", "dialogs", "files"};
  const std::vector<std::string> stating = programs_stating_their_boxes();
  EXPECT_FALSE(stating.empty());
  for (const auto& entry : std::filesystem::directory_iterator(image_runs::built_folder())) {
    const std::string name = entry.path().stem().string();
    if (entry.path().extension() != ".zs") continue;
    EXPECT_TRUE(std::ranges::count(stating, name) + std::ranges::count(driven, name) == 1) << name;
  }
}

TEST(ProgramRun, BareRuntimeRunsTheSameProgramFromDevelopmentFiles) {
  RunFolder folder("objects_dat");
  folder.write("zrt.exe", image_runs::bare_runtime());
  folder.write_development_files(image_runs::built_segments("objects"));
  const std::vector<std::string> expected = stated_boxes("objects");
  const Shown run = run_answering(folder, "zrt.exe", expected.size());
  EXPECT_EQ(run.boxes, expected);
  expect_clean_end(run);
}

TEST(ProgramRun, AWindowsEventsAndItsButtonRunCompiledCodeUntilTheLastWindowCloses) {
  RunFolder folder("windows");
  folder.write("windows.exe", image_runs::built_program("windows"));
  const auto process = folder.start("windows.exe");
  EXPECT_EQ(RunFolder::answer_box(*process), "opened with Go");
  HWND window = driver::wait_for_window("", "Counter");
  ASSERT_NE(window, nullptr);
  HWND button = driver::find_child(window, "", "Go");
  ASSERT_NE(button, nullptr);
  for (int press = 1; press <= 2; ++press) {
    driver::press_button(button);
    EXPECT_EQ(RunFolder::answer_box(*process), "pressed " + std::to_string(press) + " in Counter");
  }
  ::PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(RunFolder::answer_box(*process), "closing after 2");
  expect_clean_end({{}, folder.finish(*process)});
}

TEST(ProgramRun, AShortcutReachesTheWindowsMenuHandlerAndTheQuitItemEndsTheProgram) {
  RunFolder folder("menus");
  folder.write("menus.exe", image_runs::built_program("menus"));
  const auto process = folder.start("menus.exe");
  HWND window = driver::wait_for_window("", "Viewer");
  ASSERT_NE(window, nullptr);
  // Menus belong to the process that made them here, so the test sees only
  // that the window has one.
  EXPECT_NE(::GetMenu(window), nullptr) << "the window holds the menu bar";
  for (int refresh = 1; refresh <= 2; ++refresh) {
    driver::send_key(window, VK_F5);
    EXPECT_EQ(RunFolder::answer_box(*process), "refreshed " + std::to_string(refresh));
  }
  // The items take identifiers from 1000 in order: Refresh, the separator, Quit.
  constexpr WORD quit_command = 1002;
  ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(quit_command, 0), 0);
  expect_clean_end({{}, folder.finish(*process)});
}

}  // namespace
