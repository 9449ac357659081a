// The loader's steps in order: locate, read, place, link, relocate, record,
// then call the entry.
#include "runtime/core/loader.h"

#include "runtime/core/image_bases.h"
#include "runtime/core/image_loader.h"
#include "runtime/core/image_source.h"
#include "runtime/core/loaded_image.h"
#include "runtime/core/resource_index.h"

#include <algorithm>

namespace zrt {
namespace {

std::optional<SegmentBytes> read_segments(LoaderPlatform& platform, const ImageLocation& location,
                                          LoadError& error) {
  if (location.source == ImageSource::DevelopmentFiles) {
    return read_development_files(platform.development_directory(), error);
  }
  const std::string executable = platform.executable_path();
  if (executable.empty()) {
    error = load_failure("the path of its executable could not be found out");
    return std::nullopt;
  }
  return read_appended_image(executable, location.image_offset, error);
}

// Copies code1 into memory it can run from.
std::optional<ImageBlock> place_code(LoaderPlatform& platform, const std::vector<std::uint8_t>& code1,
                                     LoadError& error) {
  if (code1.empty()) {
    error = load_failure("its code1 segment is empty");
    return std::nullopt;
  }
  const auto block = platform.allocate_code(code1.size());
  if (!block) {
    error = load_failure("no memory for its code (" + std::to_string(code1.size()) + " bytes) could be allocated");
    return std::nullopt;
  }
  std::copy(code1.begin(), code1.end(), block->begin());
  return ImageBlock(*block, platform.address_of(*block));
}

std::optional<LoadedImage> load(LoaderPlatform& platform, LoadError& error) {
  const auto location = locate_image(platform.pickle_resource(), error);
  if (!location) return std::nullopt;
  auto segments = read_segments(platform, *location, error);
  if (!segments) return std::nullopt;
  LoadedImage image;
  const auto code1 = place_code(platform, segments->code1, error);
  if (!code1) return std::nullopt;
  image.code1 = *code1;
  // data1 stays where it was read for the whole run; data2 goes with `segments`.
  image.data1_bytes = std::move(segments->data1);
  image.data1 = ImageBlock(image.data1_bytes, platform.address_of(image.data1_bytes));
  auto linked = link_image({image.code1, segments->code2, image.data1, segments->data2}, platform, error);
  if (!linked) return std::nullopt;
  image.header = linked->header;
  image.deferred_imports = std::move(linked->deferred);
  image.resource_index_offset = location->resource_index_offset;
  return image;
}

}  // namespace

bool run_loader(LoaderPlatform& platform) {
  LoadError error;
  auto image = load(platform, error);
  if (!image) {
    platform.show_failure(error.message);
    return false;
  }
  set_resource_index(platform.executable_path(), image->resource_index_offset);
  loaded_image() = std::move(*image);
  // Raising an exception looks for application frames by return addresses
  // in code1, and the class table reads its descriptors from data1: both
  // must know the segments before the entry runs.
  const LoadedImage& loaded = loaded_image();
  set_image_segments({loaded.code1.base(), loaded.code1.bytes()}, {loaded.data1.base(), loaded.data1.bytes()});
  platform.call_entry(loaded_image().header.entry);
  return true;
}

}  // namespace zrt
