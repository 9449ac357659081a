// What the loader leaves behind for the rest of the run: the linked code and
// data blocks at their final addresses, the member imports still to be
// resolved once plug-ins are installed, and the resource index's offset.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/core/image_block.h"
#include "runtime/core/image_header.h"
#include "runtime/core/image_linker.h"

namespace zrt {

struct LoadedImage {
  ImageBlock code1;
  // data1's block views these bytes; moving the vector keeps its buffer.
  std::vector<std::uint8_t> data1_bytes;
  ImageBlock data1;
  ImageHeader header;
  std::vector<DeferredImport> deferred_imports;  // newest first
  std::uint32_t resource_index_offset = 0;        // 0 in development mode
};

// The one image of the process; empty until the loader has linked it.
[[nodiscard]] LoadedImage& loaded_image();

}  // namespace zrt
