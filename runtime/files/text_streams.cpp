// Text input and output streams: made by folder items on a disk file, closed
// by Close or when the last reference goes. A closed stream stays valid and
// answers as the end of the input, and its writes do nothing.
#include "runtime/core/native_destructors.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/core/strings.h"
#include "runtime/files/folder_items.h"
#include "runtime/files/line_reader.h"
#include "runtime/interface/exports.h"
#include "runtime/interface/file_layout.h"

#include <utility>

namespace zrt {
namespace {

namespace input_fields = zif::text_input_fields;
namespace output_fields = zif::text_output_fields;

LineReader* reader_of(ZObject* stream) { return pointer_of<LineReader>(*field_at(stream, input_fields::reader)); }
DiskFile* output_file_of(ZObject* stream) { return pointer_of<DiskFile>(*field_at(stream, output_fields::file)); }

void close_input(ZObject* stream) {
  delete pointer_of<LineReader>(std::exchange(*field_at(stream, input_fields::reader), 0));
}

void close_output(ZObject* stream) {
  delete pointer_of<DiskFile>(std::exchange(*field_at(stream, output_fields::file), 0));
}

void destroy_output(ZObject* stream) {
  close_output(stream);
  unlock_string(pointer_of<ZString>(std::exchange(*field_at(stream, output_fields::delimiter), 0)));
}

ZObject* new_text_input(std::unique_ptr<DiskFile> file) {
  if (!file) return nullptr;
  set_native_destructor("TextInputStream", &close_input);
  ZObject* stream = new_instance(runtime_class("TextInputStream"));
  *field_at(stream, input_fields::reader) = word_of_pointer(new LineReader(std::move(file)));
  return stream;
}

ZObject* new_text_output(std::unique_ptr<DiskFile> file) {
  if (!file) return nullptr;
  set_native_destructor("TextOutputStream", &destroy_output);
  ZObject* stream = new_instance(runtime_class("TextOutputStream"));
  *field_at(stream, output_fields::file) = word_of_pointer(file.release());
  return stream;
}

void write_text(ZObject* stream, std::string_view text) {
  if (DiskFile* file = output_file_of(stream)) file->write(text.data(), as_string_length(text.size()));
}

}  // namespace
}  // namespace zrt

extern "C" {

ZObject* FolderItemOpenTextFile(ZObject* item) {
  return zrt::new_text_input(zrt::open_disk_file(zrt::path_of(item), zrt::FileAccess::Read));
}

ZObject* FolderItemCreateTextFile(ZObject* item) {
  return zrt::new_text_output(zrt::open_disk_file(zrt::path_of(item), zrt::FileAccess::Create));
}

// Writes go to the end of an existing file; a file that cannot be opened so
// is created.
ZObject* FolderItemAppendTextFile(ZObject* item) {
  std::unique_ptr<zrt::DiskFile> file = zrt::open_disk_file(zrt::path_of(item), zrt::FileAccess::ReadWrite);
  if (!file) return FolderItemCreateTextFile(item);
  file->set_position(file->length());
  return zrt::new_text_output(std::move(file));
}

ZString* TextInputStreamReadLine(ZObject* stream) {
  zrt::LineReader* reader = zrt::reader_of(stream);
  return reader == nullptr ? nullptr : zrt::make_string(reader->read_line());
}

ZString* TextInputStreamReadAll(ZObject* stream) {
  zrt::LineReader* reader = zrt::reader_of(stream);
  return reader == nullptr ? nullptr : zrt::make_string(reader->read_all());
}

std::int32_t TextInputStreamEOF(ZObject* stream, std::int32_t) {
  zrt::LineReader* reader = zrt::reader_of(stream);
  return reader != nullptr && reader->at_end() ? 1 : 0;
}

void TextInputStreamClose(ZObject* stream) { zrt::close_input(stream); }

// The line end is the Delimiter, or CR LF while it is empty.
void TextOutputStreamWriteLine(ZObject* stream, ZString* line) {
  zrt::write_text(stream, zrt::string_text(line));
  const std::string_view delimiter =
      zrt::string_text(zrt::pointer_of<ZString>(*zrt::field_at(stream, zif::text_output_fields::delimiter)));
  zrt::write_text(stream, delimiter.empty() ? std::string_view("\r\n") : delimiter);
}

void TextOutputStreamWrite(ZObject* stream, ZString* text) { zrt::write_text(stream, zrt::string_text(text)); }

void TextOutputStreamClose(ZObject* stream) { zrt::close_output(stream); }

}
