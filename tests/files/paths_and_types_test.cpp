// Paths and file types without the file system: splitting, parents and
// joining, the type a path's ending names and the dialogs' filter lists.
#include "runtime/files/file_types.h"
#include "runtime/files/path_parts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using zrt::FileType;
using zrt::JoinMode;

TEST(Paths, SplitIntoRootDirectoryAndNameAndTheParentOfEach) {
  struct Case {
    std::string path, root, directory, name, parent;
  };
  const Case cases[] = {
      {"C:\\data\\run1.out", "C:\\", "data\\", "run1.out", "C:\\data"},
      {"\\\\srv\\share\\a.txt", "\\\\srv\\", "share\\", "a.txt", "\\\\srv\\share"},
      {"notes.txt", "", "", "notes.txt", ""},
      {"C:\\run1.out", "C:\\", "", "run1.out", "C:"},
      {"C:\\", "C:\\", "", "", "C:"},
      {"C:", "C:", "", "", "C"},
      {"a\\b\\c", "", "a\\b\\", "c", "a\\b"},
      {"\\x.txt", "", "\\", "x.txt", ""},
  };
  for (const Case& c : cases) {
    const zrt::PathParts parts = zrt::split_path(c.path);
    EXPECT_EQ(parts.root, c.root) << c.path;
    EXPECT_EQ(parts.directory, c.directory) << c.path;
    EXPECT_EQ(parts.name, c.name) << c.path;
    EXPECT_EQ(zrt::parent_path(c.path), c.parent) << c.path;
  }
}

TEST(Paths, JoinTakesAbsolutePathsAsTheyAreAndPlacesTheRestByMode) {
  struct Case {
    std::string base, path;
    JoinMode mode;
    std::string joined;
  };
  const Case cases[] = {
      {"C:\\app", "D:\\x.txt", JoinMode::Append, "D:\\x.txt"},
      {"C:\\app", "\\\\srv\\x", JoinMode::Rename, "\\\\srv\\x"},
      {"C:\\app", "x.txt", JoinMode::Append, "C:\\app\\x.txt"},
      {"C:\\app", "sub\\x.txt", JoinMode::Append, "C:\\app\\sub\\x.txt"},
      {"C:\\app\\bin", "\\x.txt", JoinMode::Append, "C:\\x.txt"},
      {"C:\\app\\bin", "\\top\\x.txt", JoinMode::Rename, "C:\\top\\x.txt"},
      {"C:\\data\\old.out", "new.out", JoinMode::Rename, "C:\\data\\new.out"},
      {"C:\\data\\old.out", "sub\\new.out", JoinMode::Rename, "C:\\data\\sub\\new.out"},
      {"C:\\old.out", "sub\\new.out", JoinMode::Rename, "C:\\sub\\new.out"},
      {"old.out", "new.out", JoinMode::Rename, "new.out"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(zrt::join_path(c.base, c.path, c.mode), c.joined) << c.base << " + " << c.path;
}

const std::vector<FileType> k_application_table{
    {"GaussianFile (*.out)", "EDIT", "TEXT", "out"},
    {"XYFile (*.tab)", "EDIT", "TEXT", ".tab"},
};

TEST(FileTypes, TheTypeIsTheFirstBestMatchOfThePathsEnding) {
  EXPECT_EQ(zrt::file_type_of_path("C:\\x\\calc.out", k_application_table), "GaussianFile (*.out)");
  EXPECT_EQ(zrt::file_type_of_path("C:\\x\\layout", k_application_table), "GaussianFile (*.out)");
  EXPECT_EQ(zrt::file_type_of_path("C:\\x\\PLOT.TAB", k_application_table), "XYFile (*.tab)");
  EXPECT_EQ(zrt::file_type_of_path("C:\\x\\a.txt", k_application_table), "");
  // An entry without extensions matches anything, but less than an ending.
  const std::vector<FileType> with_any{{"Any", "", "", ""}, {"Text", "", "TEXT", "txt;.doc"}, {"Any2", "", "", ""}};
  EXPECT_EQ(zrt::file_type_of_path("a.doc", with_any), "Text");
  EXPECT_EQ(zrt::file_type_of_path("a.bin", with_any), "Any");
}

TEST(FileTypes, TheTypeCodeIsFourBytesOrQuestionMarks) {
  EXPECT_EQ(zrt::type_code(""), "????");
  EXPECT_EQ(zrt::type_code("TEXTFILE"), "TEXT");
  EXPECT_EQ(zrt::type_code("ab"), "ab  ");
}

TEST(FileTypes, FiltersListEachNameAsWrittenWithThePatternsOfItsEntries) {
  const std::vector<FileType> table{
      {"GaussianFile (*.out)", "EDIT", "TEXT", "out"},
      {"XYFile (*.tab)", "EDIT", "TEXT", ".tab"},
      {"Data", "", "TEXT", ".dat;;log"},
      {"Data", "", "TEXT", "csv"},
      {"Anything", "", "????", ""},
      {"Anything", "", "", ".any"},
      {"Untyped", "", "", ""},
      {"Plain", "", "TEXT", ""},
  };
  struct Case {
    std::string types;
    std::string filter;
    std::string default_extension;
  };
  using namespace std::string_literals;
  const Case cases[] = {
      {"GaussianFile (*.out)", "GaussianFile (*.out)\0*out\0\0\0"s, ""},
      {"xyfile (*.TAB)", "xyfile (*.TAB)\0*.tab\0\0\0"s, "tab"},
      // Entries of one name merge in table order; empty fields are skipped.
      {"Data", "Data\0*.dat;*log;*csv\0\0\0"s, "dat"},
      // "????" gives every file unless a pattern is there already.
      {"Anything", "Anything\0*.*;*.any\0\0\0"s, ""},
      {"Untyped;Plain", "Untyped\0*.*\0Plain\0\0\0\0"s, ""},
      // A name not in the table is still listed; a final ";" adds nothing.
      {"SpectrumFile (*.tab);", "SpectrumFile (*.tab)\0\0\0\0"s, ""},
      {"XYFile (*.tab);GaussianFile (*.out)", "XYFile (*.tab)\0*.tab\0GaussianFile (*.out)\0*out\0\0\0"s, "tab"},
      {"", "\0\0"s, ""},
  };
  for (const Case& c : cases) {
    const zrt::DialogFilter built = zrt::build_dialog_filter(c.types, table);
    EXPECT_EQ(built.filter, c.filter) << c.types;
    EXPECT_EQ(built.default_extension, c.default_extension) << c.types;
  }
}

}  // namespace
