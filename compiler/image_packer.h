// Making a runtime executable carry an application image: the image blob is
// appended to the file, and the runtime's PICKLE resource (type "PICKLE", id
// 101, 8 bytes) is patched in place with the blob's file offset and
// 0xFFFFFFFF, which says that the executable has no resource index. The
// optional header's CheckSum is then stamped over the whole file.
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

inline constexpr char k_pickle_type[] = "PICKLE";
inline constexpr std::uint16_t k_pickle_id = 101;

// The packed executable. Refuses an executable whose PICKLE resource is
// missing, of the wrong size or already patched, and a blob that is not
// exactly four length-prefixed segments.
[[nodiscard]] std::vector<std::uint8_t> pack_image(std::span<const std::uint8_t> runtime,
                                                   std::span<const std::uint8_t> image);

}  // namespace zpack
