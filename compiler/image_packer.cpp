// Locating the PICKLE resource through the PE resource tree, never by
// searching bytes, and patching it.
#include "compiler/image_packer.h"

#include "compiler/image_writer.h"
#include "compiler/pe_file.h"
#include "compiler/pe_resources.h"
#include "compiler/text_format.h"
#include "runtime/core/pe_checksum.h"
#include "runtime/interface/image_format.h"

#include <cstring>

namespace zpack {
namespace {

namespace format = zif::image_format;

// The loader reads code1, code2, data1 and data2 as length words and bytes.
void check_image(std::span<const std::uint8_t> image) {
  std::size_t position = 0;
  for (int segment = 0; segment < format::segment_count; ++segment) {
    if (image.size() - position < 4) {
      throw PackError(text::format("the image ends before the length of its segment {} of 4", segment + 1));
    }
    const std::uint32_t length = image::read_u32(image, position);
    position += 4;
    if (image.size() - position < length) {
      throw PackError(text::format("the image's segment {} of 4 claims {} bytes, but {} remain", segment + 1,
                                   text::hex(length), text::hex(image.size() - position)));
    }
    position += length;
  }
  if (position != image.size()) {
    throw PackError(text::format("the image has {} bytes after its four segments", image.size() - position));
  }
}

pe::ResourceData pickle_resource(std::span<const std::uint8_t> runtime) {
  try {
    const pe::ResourceData data = pe::find_resource(pe::PeFile(runtime), format::pickle_type, format::pickle_id);
    if (data.size != format::pickle_size) {
      throw PackError(text::format("the PICKLE resource holds {} bytes instead of {}", data.size, format::pickle_size));
    }
    return data;
  } catch (const pe::PeError& error) {
    throw PackError(error.what());
  }
}

}  // namespace

std::vector<std::uint8_t> pack_image(std::span<const std::uint8_t> runtime, std::span<const std::uint8_t> image) {
  check_image(image);
  const pe::ResourceData pickle = pickle_resource(runtime);
  if (std::memcmp(runtime.data() + pickle.file_offset, format::pickle_placeholder.data(), format::pickle_placeholder.size()) != 0) {
    throw PackError("the executable already carries an application image (its PICKLE resource is patched)");
  }
  if (runtime.size() > UINT32_MAX) throw PackError("the executable is larger than 4 GiB");
  std::vector<std::uint8_t> packed(runtime.begin(), runtime.end());
  const std::size_t pickle_at = pickle.file_offset;
  image::write_u32(packed, pickle_at + offsetof(format::PickleResource, image_offset),
                   static_cast<std::uint32_t>(runtime.size()));
  image::write_u32(packed, pickle_at + offsetof(format::PickleResource, resource_index_offset),
                   format::no_resource_index);
  packed.insert(packed.end(), image.begin(), image.end());
  // The loader refuses a packed program whose bytes no longer match it.
  if (!zrt::stamp_pe_checksum(packed)) throw PackError("the executable has no PE header with a CheckSum field");
  return packed;
}

}  // namespace zpack
