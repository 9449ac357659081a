// Reading and splitting the image's segments, from the executable or from the
// development files.
#include "runtime/core/image_source.h"

#include "runtime/core/image_block.h"
#include "runtime/core/pe_checksum.h"
#include "runtime/interface/image_format.h"

#include <array>
#include <cstring>
#include <fstream>
#include <iterator>

namespace zrt {
namespace {

namespace format = zif::image_format;

struct SegmentSlot {
  const char* name;
  std::vector<std::uint8_t> SegmentBytes::*bytes;
};

// The order in which the segments follow each other in the blob.
constexpr std::array<SegmentSlot, format::segment_count> k_blob_order = {{
    {"code1", &SegmentBytes::code1},
    {"code2", &SegmentBytes::code2},
    {"data1", &SegmentBytes::data1},
    {"data2", &SegmentBytes::data2},
}};

// Reads from `offset` to the end of the file; nullopt when the file cannot be
// opened or `offset` lies beyond its end.
std::optional<std::vector<std::uint8_t>> read_file_tail(const std::string& path, std::uint64_t offset) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const auto size = static_cast<std::uint64_t>(in.tellg());
  if (offset > size) return std::nullopt;
  in.seekg(static_cast<std::streamoff>(offset));
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size - offset));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!in) return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<ImageLocation> locate_image(std::span<const std::uint8_t> pickle_resource, LoadError& error) {
  if (pickle_resource.empty()) return ImageLocation{};
  const std::string_view placeholder = format::pickle_placeholder;
  if (pickle_resource.size() >= placeholder.size() &&
      std::memcmp(pickle_resource.data(), placeholder.data(), placeholder.size()) == 0) {
    return ImageLocation{};
  }
  if (pickle_resource.size() != format::pickle_size) {
    error = load_failure("its PICKLE resource holds " + std::to_string(pickle_resource.size()) +
                         " bytes instead of 8");
    return std::nullopt;
  }
  const std::uint32_t image_offset = load_u32(pickle_resource, offsetof(format::PickleResource, image_offset));
  if (image_offset == 0) return ImageLocation{};
  const std::uint32_t index_offset = load_u32(pickle_resource, offsetof(format::PickleResource, resource_index_offset));
  return ImageLocation{ImageSource::AppendedImage, image_offset, index_offset};
}

std::optional<SegmentBytes> split_image(std::span<const std::uint8_t> blob, LoadError& error) {
  SegmentBytes segments;
  std::size_t position = 0;
  for (const SegmentSlot& slot : k_blob_order) {
    if (blob.size() - position < 4) {
      error = load_failure(std::string("the image ends before the length of its ") + slot.name +
                           " segment (image offset " + hex(position) + ")");
      return std::nullopt;
    }
    const std::uint32_t length = load_u32(blob, position);
    position += 4;
    if (blob.size() - position < length) {
      error = load_failure(std::string("its ") + slot.name + " segment claims " + hex(length) + " bytes but only " +
                           hex(blob.size() - position) + " bytes of the image follow");
      return std::nullopt;
    }
    const auto start = blob.begin() + static_cast<std::ptrdiff_t>(position);
    (segments.*slot.bytes).assign(start, start + length);
    position += length;
  }
  return segments;
}

std::optional<SegmentBytes> read_appended_image(const std::string& executable_path, std::uint32_t image_offset,
                                                LoadError& error) {
  const auto executable = read_file_tail(executable_path, 0);
  if (!executable || image_offset > executable->size()) {
    error = load_failure("its image could not be read from " + executable_path + " at file offset " +
                         hex(image_offset));
    return std::nullopt;
  }
  if (!pe_checksum_matches(*executable)) {
    const std::size_t name = executable_path.find_last_of("\\/") + 1;
    error.message = executable_path.substr(name) + " is damaged; please obtain it again.";
    return std::nullopt;
  }
  return split_image(std::span(*executable).subspan(image_offset), error);
}

std::optional<SegmentBytes> read_development_files(const std::string& directory, LoadError& error) {
  SegmentBytes segments;
  for (const SegmentSlot& slot : k_blob_order) {
    const std::string file = std::string(slot.name) + ".dat";
    const std::string path = directory.empty() ? file : directory + "/" + file;
    auto bytes = read_file_tail(path, 0);
    if (!bytes) {
      error = load_failure("the development file " + file + " could not be read" +
                           (directory.empty() ? " from the current directory" : " from " + directory));
      return std::nullopt;
    }
    segments.*slot.bytes = std::move(*bytes);
  }
  return segments;
}

}  // namespace zrt
