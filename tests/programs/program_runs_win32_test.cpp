// Programs compiled by zc, run by the runtime as processes of their own in
// scratch folders. Each shows what it computed in message boxes, which the
// test answers in order; every program ends with exit code 0, whether it
// returns, raises EndException, meets an exception nobody takes or closes
// its last window.
#include "tests/images/image_runs.h"

#include <gtest/gtest.h>

#include <string>
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

TEST(ProgramRun, NumbersStringsArraysAndLoopsThenEndExceptionEndsSilently) {
  const Shown run = run_packed("arithmetic", 2);
  const std::vector<std::string> expected{
      // -19: Mod and \ before +; 7 \ -3 truncates; the largest Integer + 1
      // wraps to -2^31 (shown divided by 2^16); And works on bits.
      // 7: 1.5 * 5 truncated when stored in an Integer.
      "-19 -2 -32768 12 | 2 2.5 7 1024 1.5",
      // 9, 6, 3 and 0 squared; 1000 halved nine times to 1; 8 * 8 > 50;
      // 81 kept by ReDim beside the new last element 400.
      "abc-abc <=! 7 | 126 9 8 481",
  };
  EXPECT_EQ(run.boxes, expected);
  expect_clean_end(run);
}

// Destructors log each object as it goes: the cat when its variable is
// cleared, the robin when the method that held it returns; the cast that
// fails is taken by its handler.
const std::vector<std::string> k_objects_boxes{
    "cat:...:4 robin:tweet:2 2w none refused 15 ~cat",
    "after:~cat~robin",
};

TEST(ProgramRun, ClassesInheritanceCastsAndDestructorsInAPackedProgram) {
  const Shown run = run_packed("objects", 2);
  EXPECT_EQ(run.boxes, k_objects_boxes);
  expect_clean_end(run);
}

TEST(ProgramRun, BareRuntimeRunsTheSameProgramFromDevelopmentFiles) {
  RunFolder folder("objects_dat");
  folder.write("zrt.exe", image_runs::bare_runtime());
  folder.write_development_files(image_runs::built_segments("objects"));
  const Shown run = run_answering(folder, "zrt.exe", 2);
  EXPECT_EQ(run.boxes, k_objects_boxes);
  expect_clean_end(run);
}

TEST(ProgramRun, HandlersTakeWhatTheyShouldCleanupsRunOnceAndTheUnhandledEndTheProgram) {
  const Shown run = run_packed("exceptions", 2);
  const std::vector<std::string> expected{
      // Three objects were made in frames that an exception left, and each
      // was released once, whether its own method's handler took the
      // exception or a caller's did.
      "2 3 4 released 3",
      "An exception of class NilObjectException was not handled.",
  };
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
