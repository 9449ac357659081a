// Folder items through their exported routines where only the path counts:
// the application folder, resolving names against it, names, parents,
// children, renaming, the file type and the members of another platform.
#include "runtime/core/application.h"
#include "runtime/interface/exports.h"
#include "tests/core/leak_checked_test.h"
#include "tests/core/object_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using runtime_test::make;

class FolderItems : public object_tests::ObjectTest {
 protected:
  void TearDown() override {
    zrt::reset_application_state();
    ObjectTest::TearDown();
  }
};

zrt::ObjectRef item_on(const std::string& path) {
  return zrt::ObjectRef::adopt(FolderItemFromPath(const_cast<char*>(path.c_str())));
}

std::string path_of(const zrt::ObjectRef& item) {
  return std::string(zrt::StringRef::adopt(fileAbsolutePathGetter(item.get(), 0)).text());
}

std::string text_of(ZString* result) { return std::string(zrt::StringRef::adopt(result).text()); }

TEST_F(FolderItems, ANewItemIsTheApplicationFolderAndNamesResolveAgainstIt) {
  zrt::ObjectRef fresh = zrt::ObjectRef::adopt(zrt::new_instance(zrt::runtime_class("FolderItem")));
  const std::string folder = path_of(fresh);
  ASSERT_GE(folder.size(), 3u);
  EXPECT_EQ(folder[1], ':') << folder;
  EXPECT_NE(folder.back(), '\\') << folder;

  const auto resolved = [](const char* name) {
    return path_of(zrt::ObjectRef::adopt(RuntimeGetFolderItem(make(name).get())));
  };
  EXPECT_EQ(resolved("D:\\x.txt"), "D:\\x.txt");
  EXPECT_EQ(resolved("x.txt"), folder + "\\x.txt");
  EXPECT_EQ(resolved("\\x.txt"), folder.substr(0, 3) + "x.txt");
}

TEST_F(FolderItems, NameParentAndChildFollowThePath) {
  zrt::ObjectRef item = item_on("C:\\data\\run1.out");
  EXPECT_EQ(text_of(fileNameGetter(item.get(), 0)), "run1.out");
  zrt::ObjectRef parent = zrt::ObjectRef::adopt(folderParentGetter(item.get(), 0));
  EXPECT_EQ(path_of(parent), "C:\\data");
  zrt::ObjectRef top = zrt::ObjectRef::adopt(folderParentGetter(parent.get(), 0));
  EXPECT_EQ(path_of(top), "C:");
  // A bare drive and a bare name have no parent.
  EXPECT_EQ(folderParentGetter(top.get(), 0), nullptr);
  EXPECT_EQ(folderParentGetter(item_on("notes.txt").get(), 0), nullptr);
  EXPECT_EQ(text_of(fileNameGetter(item_on("C:\\").get(), 0)), "");
  // The name is not examined, and nothing collapses doubled backslashes.
  zrt::ObjectRef child = zrt::ObjectRef::adopt(FolderChild(item_on("C:\\tmp\\").get(), make("D:\\a").get()));
  EXPECT_EQ(path_of(child), "C:\\tmp\\\\D:\\a");
}

// The rename fails (no such file), and the new path is kept all the same.
TEST_F(FolderItems, ANameWhoseRenameFailsStillChangesThePath) {
  zrt::ObjectRef item = item_on("Q:\\missing\\old.out");
  fileNameSetter(item.get(), 0, make("new.out").get());
  EXPECT_EQ(path_of(item), "Q:\\missing\\new.out");
}

TEST_F(FolderItems, TheTypeComesFromTheApplicationsTableAndOtherPlatformsCodesStayEmpty) {
  zrt::application_state().file_types = {{"GaussianFile (*.out)", "EDIT", "TEXT", "out"},
                                          {"XYFile (*.tab)", "EDIT", "TEXT", ".tab"}};
  EXPECT_EQ(text_of(fileTypeGetter(item_on("C:\\x\\calc.out").get(), 0)), "GaussianFile (*.out)");
  EXPECT_EQ(text_of(fileTypeGetter(item_on("C:\\x\\layout").get(), 0)), "GaussianFile (*.out)");
  zrt::ObjectRef item = item_on("C:\\x\\a.tab");
  EXPECT_EQ(text_of(fileTypeGetter(item.get(), 0)), "XYFile (*.tab)");
  fileMacTypeSetter(item.get(), 0, make("TEXT").get());
  fileMacCreatorSetter(item.get(), 0, make("EDIT").get());
  EXPECT_EQ(fileMacTypeGetter(item.get(), 0), nullptr);
  EXPECT_EQ(fileMacCreatorGetter(item.get(), 0), nullptr);
  for (int folder = 1; folder <= 4; ++folder) EXPECT_EQ(folderFindFolder(item.get(), folder), nullptr);
}

}  // namespace
