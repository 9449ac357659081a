// Making a runtime executable carry an application image: the image blob is
// appended to the file, and the runtime's PICKLE resource is patched in place
// with the blob's file offset and the word that says that the executable has
// no resource index (runtime/interface/image_format.h). The optional
// header's CheckSum is then stamped over the whole file.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace zpack {

class PackError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The packed executable. Refuses an executable whose PICKLE resource is
// missing, of the wrong size or already patched, and a blob that is not
// exactly four length-prefixed segments.
[[nodiscard]] std::vector<std::uint8_t> pack_image(std::span<const std::uint8_t> runtime,
                                                   std::span<const std::uint8_t> image);

}  // namespace zpack
