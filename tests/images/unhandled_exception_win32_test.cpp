// Exceptions that no handler of an image takes, run by the runtime as a
// program of its own: the walk passes a handler for another class, the
// runtime shows entry 4 of the image's message table with the class name in
// it, and the process ends with exit code 0. EndException ends it without a
// word. The image ends with 97 or 98 when code past the raise or the
// handler that does not fit ran.
#include "tests/images/image_runs.h"

#include <gtest/gtest.h>

namespace {

using image_runs::RunFolder;

image_runs::Outcome run_packed(const std::string& image, bool expect_box) {
  RunFolder folder(image);
  folder.write(image + ".exe", image_runs::built_program(image));
  return folder.run(image + ".exe", expect_box);
}

TEST(UnhandledException, NamesItsClassInTheImagesMessageAndEndsTheProgramWithCodeZero) {
  const auto outcome = run_packed("unhandled_nil_object", true);
  EXPECT_EQ(outcome.message, "An exception of class NilObjectException was not handled.");
  EXPECT_EQ(outcome.exit_code, 0u);
}

// The message is entry 4; a table that ends before it gives an empty
// message, not entry 3 or a read past the table.
TEST(UnhandledException, MessageTableWithoutEntryFourGivesAnEmptyMessage) {
  const auto outcome = run_packed("unhandled_short_table", true);
  EXPECT_EQ(outcome.message, "");
  EXPECT_EQ(outcome.exit_code, 0u);
}

TEST(UnhandledException, EndExceptionEndsTheProgramSilently) {
  RunFolder folder("end");
  folder.write("zrt.exe", image_runs::bare_runtime());
  folder.write_development_files(image_runs::built_segments("unhandled_end"));
  const auto outcome = folder.run("zrt.exe", false);
  EXPECT_EQ(outcome.message, std::nullopt);
  EXPECT_EQ(outcome.exit_code, 0u);
}

}  // namespace
