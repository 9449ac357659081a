// Binary streams: bytes, numbers and strings at a settable position of a
// disk file. A closed stream reads nothing, gives 0 or "", is at its end, and
// its writes do nothing.
#include "runtime/core/native_destructors.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/core/strings.h"
#include "runtime/files/byte_order.h"
#include "runtime/files/file_system.h"
#include "runtime/files/folder_items.h"
#include "runtime/interface/exports.h"
#include "runtime/interface/file_layout.h"

#include <string>
#include <utility>

namespace zrt {
namespace {

namespace fields = zif::binary_stream_fields;

DiskFile* file_of(ZObject* stream) { return pointer_of<DiskFile>(*field_at(stream, fields::file)); }
bool little_endian(ZObject* stream) { return *field_bytes(stream, fields::little_endian, 1) != 0; }

void close_stream(ZObject* stream) { delete pointer_of<DiskFile>(std::exchange(*field_at(stream, fields::file), 0)); }

ZObject* new_binary_stream(std::unique_ptr<DiskFile> file) {
  if (!file) return nullptr;
  set_native_destructor("BinaryStream", &close_stream);
  ZObject* stream = new_instance(runtime_class("BinaryStream"));
  *field_at(stream, fields::file) = word_of_pointer(file.release());
  return stream;
}

// The next sizeof(T) bytes as a number; 0 unless all of them came.
template <typename T>
T read_number(ZObject* stream) {
  DiskFile* file = file_of(stream);
  std::array<std::uint8_t, sizeof(T)> bytes{};
  if (file == nullptr || file->read(bytes.data(), sizeof(T)) != static_cast<std::int32_t>(sizeof(T))) return T{};
  return stored_value<T>(bytes, little_endian(stream));
}

void write_bytes(ZObject* stream, const void* bytes, std::size_t count) {
  if (DiskFile* file = file_of(stream)) file->write(bytes, static_cast<std::int32_t>(count));
}

template <typename T>
void write_number(ZObject* stream, T value) {
  const auto bytes = stored_bytes(value, little_endian(stream));
  write_bytes(stream, bytes.data(), bytes.size());
}

std::string read_text(DiskFile* file, std::int32_t count) {
  std::string text(static_cast<std::size_t>(count), '\0');
  text.resize(static_cast<std::size_t>(file->read(text.data(), count)));
  return text;
}

}  // namespace
}  // namespace zrt

extern "C" {

ZObject* FolderItemOpenBinaryFile(ZObject* item, std::int32_t read_write) {
  const zrt::FileAccess access = read_write != 0 ? zrt::FileAccess::ReadWrite : zrt::FileAccess::Read;
  return zrt::new_binary_stream(zrt::open_disk_file(zrt::path_of(item), access));
}

// The type argument means something on another platform only.
ZObject* FolderItemCreateBinaryFile(ZObject* item, ZString*) {
  return zrt::new_binary_stream(zrt::open_disk_file(zrt::path_of(item), zrt::FileAccess::Create));
}

std::int32_t BinaryStreamEOF(ZObject* stream, std::int32_t) {
  zrt::DiskFile* file = zrt::file_of(stream);
  return file == nullptr || file->at_end() ? 1 : 0;
}

std::int32_t BinaryStreamGetLength(ZObject* stream, std::int32_t) {
  zrt::DiskFile* file = zrt::file_of(stream);
  return file == nullptr ? 0 : file->length();
}

void BinaryStreamSetLength(ZObject* stream, std::int32_t, std::int32_t length) {
  if (zrt::DiskFile* file = zrt::file_of(stream)) file->set_length(length);
}

std::int32_t BinaryStreamGetPosition(ZObject* stream, std::int32_t) {
  zrt::DiskFile* file = zrt::file_of(stream);
  return file == nullptr ? 0 : file->position();
}

void BinaryStreamSetPosition(ZObject* stream, std::int32_t, std::int32_t position) {
  if (zrt::DiskFile* file = zrt::file_of(stream)) file->set_position(position);
}

std::int32_t BinaryStreamReadByte(ZObject* stream) { return zrt::read_number<std::uint8_t>(stream); }
std::int32_t BinaryStreamReadShort(ZObject* stream) { return zrt::read_number<std::int16_t>(stream); }
std::int32_t BinaryStreamReadLong(ZObject* stream) { return zrt::read_number<std::int32_t>(stream); }
double BinaryStreamReadFloat(ZObject* stream) { return zrt::read_number<float>(stream); }
double BinaryStreamReadDouble(ZObject* stream) { return zrt::read_number<double>(stream); }

// "" unless the length byte and every byte it counts came.
ZString* BinaryStreamReadPString(ZObject* stream) {
  zrt::DiskFile* file = zrt::file_of(stream);
  std::uint8_t length = 0;
  if (file == nullptr || file->read(&length, 1) != 1) return nullptr;
  const std::string text = zrt::read_text(file, length);
  return text.size() == length ? zrt::make_string(text) : nullptr;
}

ZString* BinaryStreamRead(ZObject* stream, std::int32_t count) {
  zrt::DiskFile* file = zrt::file_of(stream);
  return file == nullptr || count <= 0 ? nullptr : zrt::make_string(zrt::read_text(file, count));
}

void BinaryStreamWriteByte(ZObject* stream, std::int32_t value) {
  zrt::write_number(stream, static_cast<std::uint8_t>(value));
}
void BinaryStreamWriteShort(ZObject* stream, std::int32_t value) {
  zrt::write_number(stream, static_cast<std::int16_t>(value));
}
void BinaryStreamWriteLong(ZObject* stream, std::int32_t value) { zrt::write_number(stream, value); }
void BinaryStreamWriteFloat(ZObject* stream, double value) { zrt::write_number(stream, static_cast<float>(value)); }
void BinaryStreamWriteDouble(ZObject* stream, double value) { zrt::write_number(stream, value); }

// One length byte, at most 255, then that many bytes of the text.
void BinaryStreamWritePString(ZObject* stream, ZString* text) {
  const std::string_view bytes = zrt::string_text(text).substr(0, 255);
  const auto length = static_cast<std::uint8_t>(bytes.size());
  zrt::write_bytes(stream, &length, 1);
  zrt::write_bytes(stream, bytes.data(), bytes.size());
}

void BinaryStreamWrite(ZObject* stream, ZString* text) {
  const std::string_view bytes = zrt::string_text(text);
  zrt::write_bytes(stream, bytes.data(), bytes.size());
}

void BinaryStreamClose(ZObject* stream) { zrt::close_stream(stream); }

}
