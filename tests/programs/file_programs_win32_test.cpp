// Compiled programs that use files: one copies the Gaussian outputs line by
// line, the other opens the system's open and save dialogs, which the test
// fills in through the driver.
#include "tests/images/image_runs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using image_runs::RunFolder;

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Every line end (CR, LF or CR LF) as CR LF, and one after a last line
// that has none.
std::string with_crlf_line_ends(const std::string& text) {
  std::string converted;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      converted.push_back(text[i]);
      continue;
    }
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    converted += "\r\n";
  }
  if (!text.empty() && text.back() != '\r' && text.back() != '\n') converted += "\r\n";
  return converted;
}

TEST(FilePrograms, ACompiledProgramCopiesEachGaussianFileLineByLine) {
  // The folder through Wine's drive Z:, the root of the Linux file system.
  const std::filesystem::path gaussian = "Z:" Z_GAUSSIAN_TESTDATA;
  if (!std::filesystem::is_directory(gaussian)) GTEST_SKIP() << "no Gaussian test data at " << Z_GAUSSIAN_TESTDATA;
  std::vector<std::string> inputs;
  for (const auto& entry : std::filesystem::directory_iterator(gaussian))
    if (entry.path().extension() == ".out") inputs.push_back(entry.path().string());
  std::sort(inputs.begin(), inputs.end());
  ASSERT_FALSE(inputs.empty());

  RunFolder folder("files");
  std::string list;
  for (const std::string& input : inputs) list += input + "\r\n";
  folder.write("inputs.txt", image_runs::Bytes(list.begin(), list.end()));
  folder.write("files.exe", image_runs::built_program("files"));
  const auto process = folder.start("files.exe");
  const std::string inside = folder.path("x");
  EXPECT_EQ(RunFolder::answer_box(*process),
            "copied " + std::to_string(inputs.size()) + " in " + inside.substr(0, inside.size() - 2));
  const image_runs::Outcome outcome = folder.finish(*process);
  EXPECT_EQ(outcome.exit_code, 0u);
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    const std::string copy = contents(folder.path("copy" + std::to_string(i + 1) + ".txt"));
    EXPECT_TRUE(copy == with_crlf_line_ends(contents(inputs[i]))) << inputs[i];
  }
}

TEST(FilePrograms, TheOpenAndSaveDialogsListTheTypesNamedAndGiveTheChosenPaths) {
  RunFolder folder("dialogs");
  folder.write("run1.out", image_runs::Bytes{'x'});
  folder.write("dialogs.exe", image_runs::built_program("dialogs"));
  const auto process = folder.start("dialogs.exe");
  using Types = std::vector<std::string>;

  EXPECT_EQ(driver::file_dialog_types(process->id()), Types{"GaussianFile (*.out)"});
  ASSERT_TRUE(driver::choose_file(folder.path("run1.out"), process->id()));
  EXPECT_EQ(RunFolder::answer_box(*process), folder.path("run1.out"));
  ASSERT_TRUE(driver::cancel_file_dialog(process->id()));
  EXPECT_EQ(RunFolder::answer_box(*process), "Nil");

  // The save dialog adds the type's extension to a name without one, and
  // nothing for a type the table does not have.
  EXPECT_EQ(driver::file_dialog_types(process->id()), Types{"XYFile (*.tab)"});
  ASSERT_TRUE(driver::choose_file(folder.path("spectrum"), process->id()));
  EXPECT_EQ(RunFolder::answer_box(*process), folder.path("spectrum.tab"));
  EXPECT_EQ(driver::file_dialog_types(process->id()), Types{"SpectrumFile (*.tab)"});
  ASSERT_TRUE(driver::choose_file(folder.path("spectrum"), process->id()));
  EXPECT_EQ(RunFolder::answer_box(*process), folder.path("spectrum"));

  const image_runs::Outcome outcome = folder.finish(*process);
  EXPECT_EQ(outcome.exit_code, 0u);
  EXPECT_FALSE(outcome.message);
}

}  // namespace
