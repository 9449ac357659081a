// Where the image's four segments come from: the blob appended to the
// executable, located through its PICKLE resource, or the development files
// code1.dat, code2.dat, data1.dat and data2.dat of a bare runtime. Every
// length is checked against the bytes that are really there.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "runtime/core/loader_error.h"

namespace zrt {

struct SegmentBytes {
  std::vector<std::uint8_t> code1;  // machine code
  std::vector<std::uint8_t> code2;  // import and code-to-data records
  std::vector<std::uint8_t> data1;  // header words and data
  std::vector<std::uint8_t> data2;  // data relocation words
};

enum class ImageSource { DevelopmentFiles, AppendedImage };

struct ImageLocation {
  ImageSource source = ImageSource::DevelopmentFiles;
  std::uint32_t image_offset = 0;           // file offset of the blob in the executable
  std::uint32_t resource_index_offset = 0;  // 0 in development mode
};

// The PICKLE resource is 8 bytes: the image's file offset and the resource
// index's. The unpatched placeholder starts "PICK"; it, a missing resource
// (an empty span) or an image offset of 0 mean there is no appended image.
[[nodiscard]] std::optional<ImageLocation> locate_image(std::span<const std::uint8_t> pickle_resource,
                                                        LoadError& error);

// The blob is four segments, each a little-endian u32 length and its bytes,
// in the order code1, code2, data1, data2. Bytes after data2 are ignored.
[[nodiscard]] std::optional<SegmentBytes> split_image(std::span<const std::uint8_t> blob, LoadError& error);

// Reads the blob from `image_offset` to the end of the executable file,
// after checking the executable's checksum: a packed program whose bytes do
// not match it is refused with "NAME is damaged; please obtain it again.".
[[nodiscard]] std::optional<SegmentBytes> read_appended_image(const std::string& executable_path,
                                                              std::uint32_t image_offset, LoadError& error);

// Reads each development file whole from `directory` ("" is the current one).
[[nodiscard]] std::optional<SegmentBytes> read_development_files(const std::string& directory, LoadError& error);

}  // namespace zrt
