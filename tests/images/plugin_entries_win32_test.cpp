// An image whose plug-in list holds only entries to skip (plugins_image.s),
// run by the runtime as a program of its own: it starts without a message
// and ends with the exit code its entry chose after RuntimeInit.
#include "tests/images/image_runs.h"

#include <gtest/gtest.h>

namespace {

TEST(PluginEntries, BadEntriesAndLibrariesAreSkippedAndTheProgramStarts) {
  image_runs::RunFolder folder("plugins");
  folder.write("plugins.exe", image_runs::built_program("plugins"));
  const auto outcome = folder.run("plugins.exe", false);
  EXPECT_EQ(outcome.message, std::nullopt);
  EXPECT_EQ(outcome.exit_code, 7u);
}

}  // namespace
