// Folder item instances and the members that need only the path: names,
// parents, children, the file type, the global constructors, and the members
// of another platform, which accept their arguments and give nothing.
#include "runtime/files/folder_items.h"

#include "runtime/core/application.h"
#include "runtime/core/native_destructors.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/core/strings.h"
#include "runtime/files/file_system.h"
#include "runtime/files/file_types.h"
#include "runtime/files/path_parts.h"
#include "runtime/interface/exports.h"
#include "runtime/interface/file_layout.h"

#include <cstdio>
#include <utility>

namespace zrt {
namespace {

namespace fields = zif::folder_item_fields;

void release_path(ZObject* item) {
  unlock_string(pointer_of<ZString>(std::exchange(*field_at(item, fields::path), 0)));
}

ZString* result_string(std::string_view text) { return make_string(text); }

// The parent of a bare root ("C:", "\\server") or of a bare name would be no
// path at all.
bool has_parent(std::string_view path, std::string_view parent) {
  return !parent.empty() && split_path(path).root != path && !same_text(parent, path);
}

}  // namespace

ZObject* new_folder_item(std::string_view path) {
  ZObject* item = new_instance(runtime_class("FolderItem"));
  set_path(item, path);
  return item;
}

void set_path(ZObject* item, std::string_view path) {
  set_native_destructor("FolderItem", &release_path);
  release_path(item);
  *field_at(item, fields::path) = word_of_pointer(make_string(path));
  *field_bytes(item, fields::has_path, 1) = 1;
}

std::string path_of(ZObject* item) {
  if (*field_bytes(item, fields::has_path, 1) == 0) set_path(item, application_folder());
  return std::string(string_text(pointer_of<ZString>(*field_at(item, fields::path))));
}

std::string application_folder() { return parent_path(executable_path()); }

}  // namespace zrt

extern "C" {

ZString* fileAbsolutePathGetter(ZObject* item, std::int32_t) { return zrt::result_string(zrt::path_of(item)); }

ZString* fileNameGetter(ZObject* item, std::int32_t) {
  return zrt::result_string(zrt::split_path(zrt::path_of(item)).name);
}

// The new path is kept whether or not the file could be renamed.
void fileNameSetter(ZObject* item, std::int32_t, ZString* name) {
  const std::string old_path = zrt::path_of(item);
  const std::string new_path = zrt::join_path(old_path, zrt::string_text(name), zrt::JoinMode::Rename);
  std::rename(old_path.c_str(), new_path.c_str());
  zrt::set_path(item, new_path);
}

ZObject* folderParentGetter(ZObject* item, std::int32_t) {
  const std::string path = zrt::path_of(item);
  const std::string parent = zrt::parent_path(path);
  return zrt::has_parent(path, parent) ? zrt::new_folder_item(parent) : nullptr;
}

ZString* fileTypeGetter(ZObject* item, std::int32_t) {
  return zrt::result_string(zrt::file_type_of_path(zrt::path_of(item), zrt::application_state().file_types));
}

ZObject* FolderChild(ZObject* item, ZString* name) {
  return zrt::new_folder_item(zrt::path_of(item) + "\\" + std::string(zrt::string_text(name)));
}

ZObject* FolderTrueChild(ZObject* item, ZString* name) { return FolderChild(item, name); }

ZObject* RuntimeGetFolderItem(ZString* path) {
  return zrt::new_folder_item(zrt::join_path(zrt::application_folder(), zrt::string_text(path), zrt::JoinMode::Append));
}

ZObject* RuntimeGetTrueFolderItem(ZString* path) { return RuntimeGetFolderItem(path); }

ZObject* FolderItemFromPath(void* path) {
  return path == nullptr ? nullptr : zrt::new_folder_item(static_cast<const char*>(path));
}

// Type and creator codes, resource forks, aliases, sounds and the special
// folders of a folder item belong to another platform.
ZString* fileMacTypeGetter(ZObject*, std::int32_t) { return nullptr; }
void fileMacTypeSetter(ZObject*, std::int32_t, ZString*) {}
ZString* fileMacCreatorGetter(ZObject*, std::int32_t) { return nullptr; }
void fileMacCreatorSetter(ZObject*, std::int32_t, ZString*) {}
std::int32_t fileRFSizeGetter(ZObject*, std::int32_t) { return 0; }
std::int32_t fileAliasGetter(ZObject*, std::int32_t) { return 0; }
ZObject* folderFindFolder(ZObject*, std::int32_t) { return nullptr; }
ZObject* FolderItemOpenResourceFork(ZObject*) { return nullptr; }
ZObject* FolderItemCreateResourceFork(ZObject*, ZString*) { return nullptr; }
ZObject* FolderItemOpenSound(ZObject*) { return nullptr; }
void FolderItemSaveAsPicture(ZObject*, ZObject*) {}

}
