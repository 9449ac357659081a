// FolderItem's OpenAsPicture and SaveAsJPEG: they join files, which knows
// the folder item's path, to graphics, which reads and writes pictures.
#include "runtime/files/folder_items.h"
#include "runtime/graphics/picture_files_win32.h"
#include "runtime/graphics/pictures_win32.h"
#include "runtime/interface/exports.h"

extern "C" {

ZObject* FolderItemOpenImage(ZObject* item) { return zrt::open_picture_file(zrt::path_of(item)); }

// Nil, or a picture without bitmap, writes nothing.
void FolderItemSaveAsJPEG(ZObject* item, ZObject* picture) {
  if (zrt::BitmapSurface* surface = zrt::surface_of(picture)) zrt::save_picture_as_jpeg(*surface, zrt::path_of(item));
}

}
