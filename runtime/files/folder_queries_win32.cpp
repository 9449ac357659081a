// The members of folder items that ask the file system or act on it through
// the path: size, existence, attributes, the folder listing, deleting,
// creating folders, copying, moving and launching, and the global volume,
// special-folder and temporary-file functions. None of them reports a failure
// other than by its result.
#include "runtime/core/strings.h"
#include "runtime/files/file_entries_win32.h"
#include "runtime/files/folder_items.h"
#include "runtime/files/path_parts.h"
#include "runtime/interface/exports.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

namespace zrt {
namespace {

constexpr DWORD k_directory = FILE_ATTRIBUTE_DIRECTORY;

bool has_attribute(ZObject* item, DWORD attribute) {
  const auto entry = find_entry(path_of(item));
  return entry && (entry->dwFileAttributes & attribute) != 0;
}

// Sets or clears one attribute of an entry that exists.
void change_attribute(ZObject* item, DWORD attribute, bool set) {
  const std::string path = path_of(item);
  const auto entry = find_entry(path);
  if (!entry) return;
  const DWORD attributes = set ? entry->dwFileAttributes | attribute : entry->dwFileAttributes & ~attribute;
  ::SetFileAttributesA(path.c_str(), attributes);
}

// "C:" names a drive whether or not it exists.
bool is_directory(const std::string& path) {
  if (path.size() == 2 && path[1] == ':') return true;
  const auto entry = find_entry(path);
  return entry && (entry->dwFileAttributes & k_directory) != 0;
}

// The one listing the process keeps: Item reuses it for the same folder,
// Count always makes it afresh.
struct FolderListing {
  std::string folder;
  std::vector<std::string> names;
};

FolderListing& kept_listing() {
  static FolderListing listing;
  return listing;
}

void list_folder(const std::string& folder) {
  FolderListing& listing = kept_listing();
  listing.folder = folder;
  listing.names.clear();
  WIN32_FIND_DATAA found{};
  const HANDLE search = ::FindFirstFileA((folder + "\\*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string_view name = found.cFileName;
    if (name != "." && name != "..") listing.names.emplace_back(name);
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
}

// A folder item as destination: into it when it is a folder, else onto it.
std::string target_path(ZObject* item, ZObject* destination) {
  const std::string path = path_of(destination);
  if (!is_directory(path)) return path;
  return path + "\\" + std::string(split_path(path_of(item)).name);
}

ZObject* item_or_nil(const std::string& path) { return path.empty() ? nullptr : new_folder_item(path); }

// A path the system gives into a buffer of 1024 characters.
template <typename Fill>
ZObject* system_folder(Fill fill) {
  char path[1024];
  const UINT length = fill(path, static_cast<UINT>(sizeof(path)));
  return item_or_nil(length < sizeof(path) ? std::string(path, length) : std::string());
}

ZObject* shell_folder(int folder) {
  IMalloc* allocator = nullptr;
  if (FAILED(::SHGetMalloc(&allocator))) return nullptr;
  ITEMIDLIST* list = nullptr;
  std::string path;
  if (SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, folder, &list))) {
    char buffer[MAX_PATH];
    if (::SHGetPathFromIDListA(list, buffer)) path = buffer;
    allocator->Free(list);
  }
  allocator->Release();
  return item_or_nil(path);
}

// The drive letters present: C: to Z: first, then A: and B:.
std::vector<char> volume_letters() {
  const DWORD drives = ::GetLogicalDrives();
  std::vector<char> letters;
  for (int bit : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 0, 1})
    if (drives & (1u << bit)) letters.push_back(static_cast<char>('A' + bit));
  return letters;
}

}  // namespace
}  // namespace zrt

extern "C" {

std::int32_t fileSizeGetter(ZObject* item, std::int32_t) {
  const auto entry = zrt::find_entry(zrt::path_of(item));
  return entry ? static_cast<std::int32_t>(entry->nFileSizeLow) : 0;
}

std::int32_t fileExistsGetter(ZObject* item, std::int32_t) {
  return zrt::find_entry(zrt::path_of(item)) ? 1 : 0;
}

std::int32_t fileDirectoryGetter(ZObject* item, std::int32_t) { return zrt::is_directory(zrt::path_of(item)) ? 1 : 0; }

std::int32_t fileLockedGetter(ZObject* item, std::int32_t) {
  return zrt::has_attribute(item, FILE_ATTRIBUTE_READONLY) ? 1 : 0;
}

void fileLockedSetter(ZObject* item, std::int32_t, std::int32_t locked) {
  zrt::change_attribute(item, FILE_ATTRIBUTE_READONLY, locked != 0);
}

std::int32_t fileVisibleGetter(ZObject* item, std::int32_t) {
  return zrt::has_attribute(item, FILE_ATTRIBUTE_HIDDEN) ? 0 : 1;
}

void fileVisibleSetter(ZObject* item, std::int32_t, std::int32_t visible) {
  zrt::change_attribute(item, FILE_ATTRIBUTE_HIDDEN, visible == 0);
}

std::int32_t fileCountGetter(ZObject* item, std::int32_t) {
  zrt::list_folder(zrt::path_of(item));
  return static_cast<std::int32_t>(zrt::kept_listing().names.size());
}

ZObject* FolderItemItem(ZObject* item, std::int32_t index) {
  const std::string folder = zrt::path_of(item);
  const zrt::FolderListing& listing = zrt::kept_listing();
  if (!zrt::same_text(listing.folder, folder)) zrt::list_folder(folder);
  if (index < 1 || static_cast<std::size_t>(index) > listing.names.size()) return nullptr;
  return zrt::new_folder_item(folder + "\\" + listing.names[static_cast<std::size_t>(index) - 1]);
}

ZObject* FolderItemTrueItem(ZObject* item, std::int32_t index) { return FolderItemItem(item, index); }

void FolderItemDelete(ZObject* item) { ::DeleteFileA(zrt::path_of(item).c_str()); }

void FolderItemCreateAsFolder(ZObject* item) { ::CreateDirectoryA(zrt::path_of(item).c_str(), nullptr); }

void FolderItemCopyFileTo(ZObject* item, ZObject* destination) {
  if (destination == nullptr) return;
  ::CopyFileA(zrt::path_of(item).c_str(), zrt::target_path(item, destination).c_str(), FALSE);
}

void FolderItemMoveFileTo(ZObject* item, ZObject* destination) {
  if (destination == nullptr) return;
  ::MoveFileA(zrt::path_of(item).c_str(), zrt::target_path(item, destination).c_str());
}

void FolderItemLaunch(ZObject* item) {
  if (item == nullptr) return;
  ::ShellExecuteA(nullptr, "open", zrt::path_of(item).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::int32_t getVolumeCount() { return static_cast<std::int32_t>(zrt::volume_letters().size()); }

ZObject* getVolume(std::int32_t index) {
  const std::vector<char> letters = zrt::volume_letters();
  if (index < 0 || static_cast<std::size_t>(index) >= letters.size()) return nullptr;
  return zrt::new_folder_item(std::string{letters[static_cast<std::size_t>(index)], ':'});
}

ZObject* getDesktopFolder() { return zrt::shell_folder(CSIDL_DESKTOPDIRECTORY); }
ZObject* getTrashFolder() { return zrt::shell_folder(CSIDL_BITBUCKET); }
ZObject* getFontsFolder() { return zrt::shell_folder(CSIDL_FONTS); }
ZObject* getStartupItemsFolder() { return zrt::shell_folder(CSIDL_STARTUP); }
ZObject* getAppleMenuFolder() { return zrt::shell_folder(CSIDL_PROGRAMS); }
ZObject* getControlPanelsFolder() { return zrt::shell_folder(CSIDL_CONTROLS); }
ZObject* getSystemFolder() { return zrt::system_folder(::GetSystemDirectoryA); }
ZObject* getExtensionsFolder() { return getSystemFolder(); }
ZObject* getPreferencesFolder() { return zrt::system_folder(::GetWindowsDirectoryA); }
ZObject* getShutdownItemsFolder() { return nullptr; }

// Kept with its trailing backslash.
ZObject* getTemporaryItemsFolder() {
  return zrt::system_folder([](char* path, UINT size) { return ::GetTempPathA(size, path); });
}

// The system makes the empty file and gives its unique name.
ZObject* getTemporaryFolderItem() {
  char folder[1024];
  const DWORD length = ::GetTempPathA(sizeof(folder), folder);
  char path[MAX_PATH];
  if (length == 0 || length >= sizeof(folder) || ::GetTempFileNameA(folder, "ztt", 0, path) == 0) return nullptr;
  return zrt::new_folder_item(path);
}

}
