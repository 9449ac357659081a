// The strings image run by the runtime as a program of its own: from the
// development files beside the bare runtime, and packed into one program.
// The image writes what its string routines computed to result.txt and
// ends with the length of the joined text as its exit code.
#include "tests/images/image_runs.h"

#include <gtest/gtest.h>

namespace {

using image_runs::RunFolder;

// "Hello, " + "world" is 12 bytes; with the length appended as text the
// part from position 8 is "world12".
constexpr DWORD k_joined_length = 12;
constexpr char k_expected_result[] = "world12";

TEST(ImageRun, BareRuntimeRunsTheDevelopmentFilesOfItsCurrentFolder) {
  RunFolder folder;
  folder.write("zrt.exe", image_runs::bare_runtime());
  folder.write_development_files(image_runs::built_segments("strings"));
  const auto outcome = folder.run("zrt.exe", false);
  ASSERT_EQ(outcome.exit_code, k_joined_length) << outcome.message.value_or("(no message box)");
  EXPECT_EQ(outcome.result, k_expected_result);
}

TEST(ImageRun, PackedProgramRunsItsOwnImageAndIgnoresDevelopmentFiles) {
  RunFolder folder;
  folder.write("strings.exe", image_runs::built_program("strings"));
  // Development files that could not be loaded: a packed program never
  // looks at them.
  folder.write("code1.dat", {});
  const auto outcome = folder.run("strings.exe", false);
  ASSERT_EQ(outcome.exit_code, k_joined_length) << outcome.message.value_or("(no message box)");
  EXPECT_EQ(outcome.result, k_expected_result);
}

}  // namespace
