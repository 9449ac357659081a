// Linking a loaded image, in the order the format requires: the code records,
// then the data relocations, then the header that names the entry routine.
// Nothing of the image may run unless every step succeeds.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "runtime/core/image_block.h"
#include "runtime/core/image_header.h"
#include "runtime/core/image_linker.h"
#include "runtime/core/loader_error.h"

namespace zrt {

// The segments where they will stay: code1 and data1 at their final
// addresses, code2 and data2 only read.
struct ImageBlocks {
  ImageBlock code1;
  std::span<const std::uint8_t> code2;
  ImageBlock data1;
  std::span<const std::uint8_t> data2;
};

struct LinkedImage {
  ImageHeader header;
  std::vector<DeferredImport> deferred;  // newest first
};

[[nodiscard]] std::optional<LinkedImage> link_image(const ImageBlocks& blocks, ImportResolver& resolver,
                                                    LoadError& error);

}  // namespace zrt
