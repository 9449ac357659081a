// Folder items against the real file system: queries, attributes, the folder
// listing, copying and moving, and paths the system refuses, which give Nil,
// 0, False or nothing and never crash or hang.
#include "runtime/interface/date_members.h"
#include "runtime/interface/exports.h"
#include "tests/core/leak_checked_test.h"
#include "tests/core/object_test_support.h"
#include "tests/core/scratch_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <set>
#include <string>

namespace {

using runtime_test::make;

class FolderItemFiles : public object_tests::ObjectTest {
 protected:
  zrt::ObjectRef item(const std::string& name) const { return on(m_folder.path(name)); }
  static zrt::ObjectRef on(const std::string& path) {
    return zrt::ObjectRef::adopt(FolderItemFromPath(const_cast<char*>(path.c_str())));
  }
  void write(const std::string& name, const std::string& bytes) const {
    m_folder.write(name, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  }
  static std::string path_of(ZObject* item) {
    return std::string(runtime_test::adopt(fileAbsolutePathGetter(item, 0)).text());
  }

  runtime_test::ScratchFolder m_folder{"zrt_folder_items_"};
};

TEST_F(FolderItemFiles, QueriesAskTheFileSystemAndAttributesAreWrittenBack) {
  write("data.out", "12345");
  zrt::ObjectRef file = item("data.out");
  zrt::ObjectRef missing = item("missing.out");
  EXPECT_TRUE(fileExistsGetter(file.get(), 0));
  EXPECT_FALSE(fileExistsGetter(missing.get(), 0));
  EXPECT_EQ(fileSizeGetter(file.get(), 0), 5);
  EXPECT_EQ(fileSizeGetter(missing.get(), 0), 0);
  EXPECT_FALSE(fileDirectoryGetter(file.get(), 0));
  // The folder's own path, without the separator the scratch folder's path ends with.
  EXPECT_TRUE(fileDirectoryGetter(on(std::filesystem::path(m_folder.path()).parent_path().string()).get(), 0));
  EXPECT_TRUE(fileDirectoryGetter(on("Q:").get(), 0)) << "a bare drive is a folder without asking";

  for (bool value : {true, false}) {
    fileLockedSetter(file.get(), 0, value);
    EXPECT_EQ(fileLockedGetter(file.get(), 0), value);
    EXPECT_EQ((::GetFileAttributesA(m_folder.path("data.out").c_str()) & FILE_ATTRIBUTE_READONLY) != 0, value);
    fileVisibleSetter(file.get(), 0, !value);
    EXPECT_EQ(fileVisibleGetter(file.get(), 0), !value);
  }
  // A missing file is visible and not locked, and setting either makes nothing.
  fileLockedSetter(missing.get(), 0, true);
  fileVisibleSetter(missing.get(), 0, false);
  EXPECT_FALSE(fileLockedGetter(missing.get(), 0));
  EXPECT_TRUE(fileVisibleGetter(missing.get(), 0));
  EXPECT_FALSE(fileExistsGetter(missing.get(), 0));
}

TEST_F(FolderItemFiles, TheListingCountsEntriesAndItemsAreOneBased) {
  write("a.txt", "a");
  write("b.txt", "b");
  zrt::ObjectRef sub = item("sub");
  FolderItemCreateAsFolder(sub.get());
  zrt::ObjectRef folder = on(m_folder.path());
  ASSERT_EQ(fileCountGetter(folder.get(), 0), 3);
  std::set<std::string> names;
  for (int i = 1; i <= 3; ++i) {
    zrt::ObjectRef entry = zrt::ObjectRef::adopt(FolderItemItem(folder.get(), i));
    names.insert(runtime_test::adopt(fileNameGetter(entry.get(), 0)).text().data());
  }
  EXPECT_EQ(names, (std::set<std::string>{"a.txt", "b.txt", "sub"}));
  for (int index : {0, -1, 4}) EXPECT_EQ(FolderItemItem(folder.get(), index), nullptr) << index;
  EXPECT_EQ(fileCountGetter(item("missing").get(), 0), 0);
  EXPECT_EQ(FolderItemItem(item("missing").get(), 1), nullptr);
}

TEST_F(FolderItemFiles, CopyingAndMovingGoIntoAFolderOrOntoAFile) {
  write("a.txt", "from a");
  write("b.txt", "from b");
  zrt::ObjectRef sub = item("sub");
  FolderItemCreateAsFolder(sub.get());
  FolderItemCopyFileTo(item("a.txt").get(), sub.get());
  EXPECT_TRUE(fileExistsGetter(item("sub\\a.txt").get(), 0));
  FolderItemCopyFileTo(item("a.txt").get(), item("b.txt").get());
  EXPECT_EQ(fileSizeGetter(item("b.txt").get(), 0), 6);
  EXPECT_TRUE(fileExistsGetter(item("a.txt").get(), 0));

  FolderItemMoveFileTo(item("b.txt").get(), item("c.txt").get());
  EXPECT_FALSE(fileExistsGetter(item("b.txt").get(), 0));
  EXPECT_TRUE(fileExistsGetter(item("c.txt").get(), 0));
  // Moving does not overwrite: the file stays where it was.
  FolderItemMoveFileTo(item("c.txt").get(), sub.get());
  FolderItemMoveFileTo(item("a.txt").get(), sub.get());
  EXPECT_TRUE(fileExistsGetter(item("a.txt").get(), 0));
  EXPECT_TRUE(fileExistsGetter(item("sub\\c.txt").get(), 0));

  FolderItemDelete(item("a.txt").get());
  EXPECT_FALSE(fileExistsGetter(item("a.txt").get(), 0));
  FolderItemDelete(sub.get());
  EXPECT_TRUE(fileExistsGetter(sub.get(), 0)) << "folders are not removed";
}

TEST_F(FolderItemFiles, RenamingMovesTheFileAndAFailedRenameStillTakesTheName) {
  write("old.txt", "x");
  zrt::ObjectRef file = item("old.txt");
  fileNameSetter(file.get(), 0, make("new.txt").get());
  EXPECT_EQ(path_of(file.get()), m_folder.path("new.txt"));
  EXPECT_TRUE(fileExistsGetter(file.get(), 0));
  fileNameSetter(file.get(), 0, make("bad|name.txt").get());
  EXPECT_EQ(path_of(file.get()), m_folder.path("bad|name.txt"));
  EXPECT_FALSE(fileExistsGetter(file.get(), 0));
  EXPECT_TRUE(fileExistsGetter(item("new.txt").get(), 0));
}

// The parts of a Date in field order: year, month, day, hour, minute, second.
std::vector<std::int32_t> parts_of(ZObject* date) {
  std::vector<std::int32_t> parts;
  for (std::int32_t offset = zif::date_fields::year; offset <= zif::date_fields::second; offset += 4)
    parts.push_back(integerGetter(date, offset));
  return parts;
}

TEST_F(FolderItemFiles, DatesAreReadInLocalTimeAndTheModificationDateIsWrittenBack) {
  write("dated.txt", "x");
  zrt::ObjectRef file = item("dated.txt");
  zrt::ObjectRef created = zrt::ObjectRef::adopt(folderGetCreation(file.get(), 0));
  ASSERT_NE(created.get(), nullptr);
  EXPECT_GE(parts_of(created.get())[0], 2020);

  zrt::ObjectRef date = zrt::ObjectRef::adopt(zrt::new_instance(zrt::runtime_class("Date")));
  const std::vector<std::int32_t> wanted{2001, 2, 3, 4, 5, 6};
  for (std::size_t i = 0; i < wanted.size(); ++i)
    integerSetter(date.get(), zif::date_fields::year + 4 * static_cast<std::int32_t>(i), wanted[i]);
  folderSetModified(file.get(), 0, date.get());
  zrt::ObjectRef modified = zrt::ObjectRef::adopt(folderGetModified(file.get(), 0));
  ASSERT_NE(modified.get(), nullptr);
  EXPECT_EQ(parts_of(modified.get()), wanted);

  // Nil, a date that is no date and a missing file change nothing.
  folderSetModified(file.get(), 0, nullptr);
  integerSetter(date.get(), zif::date_fields::month, 13);
  folderSetModified(file.get(), 0, date.get());
  EXPECT_EQ(parts_of(zrt::ObjectRef::adopt(folderGetModified(file.get(), 0)).get()), wanted);
  folderSetCreation(item("missing").get(), 0, date.get());
  EXPECT_EQ(folderGetCreation(item("missing").get(), 0), nullptr);
}

// A drive letter that no drive has.
std::string missing_drive() {
  const DWORD drives = ::GetLogicalDrives();
  for (char letter = 'Y'; letter > 'C'; --letter)
    if (!(drives & (1u << (letter - 'A')))) return std::string{letter, ':', '\\'};
  return "";
}

TEST_F(FolderItemFiles, PathsTheSystemRefusesGiveNothingAndNeverCrash) {
  write("held.txt", "held");
  const HANDLE held = ::CreateFileA(m_folder.path("held.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ::CreateDirectoryA(m_folder.path("folder").c_str(), nullptr);
  const std::string refused[] = {
      m_folder.path(std::string(300, 'n') + ".txt"),
      m_folder.path("a<b>|c?.txt"),
      missing_drive() + "x.txt",
      m_folder.path("held.txt"),
      m_folder.path("folder"),
  };
  for (const std::string& path : refused) {
    zrt::ObjectRef refused_item = on(path);
    EXPECT_EQ(FolderItemOpenTextFile(refused_item.get()), nullptr) << path;
    EXPECT_EQ(FolderItemCreateTextFile(refused_item.get()), nullptr) << path;
    EXPECT_EQ(FolderItemAppendTextFile(refused_item.get()), nullptr) << path;
    EXPECT_EQ(FolderItemOpenBinaryFile(refused_item.get(), 1), nullptr) << path;
    FolderItemDelete(refused_item.get());
    FolderItemCopyFileTo(refused_item.get(), refused_item.get());
  }
  for (const std::string& path : {refused[0], refused[1], refused[2]}) {
    zrt::ObjectRef refused_item = on(path);
    EXPECT_FALSE(fileExistsGetter(refused_item.get(), 0)) << path;
    EXPECT_EQ(fileSizeGetter(refused_item.get(), 0), 0) << path;
    EXPECT_EQ(fileCountGetter(refused_item.get(), 0), 0) << path;
    EXPECT_EQ(FolderItemItem(refused_item.get(), 1), nullptr) << path;
  }
  ::CloseHandle(held);
  EXPECT_EQ(fileSizeGetter(item("held.txt").get(), 0), 4) << "the held file was left alone";
}

}  // namespace
