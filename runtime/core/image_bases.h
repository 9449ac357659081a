// Where the loaded application image lives: the code1 block that return
// addresses of application frames point into, and the data1 block that holds
// class descriptors, virtual tables and globals. The loader sets them once;
// host tests place synthetic segments at made-up addresses.
#pragma once

#include "runtime/core/checked_memory.h"

#include <cstdint>
#include <span>

namespace zrt {

struct ImageSegment {
  Address base = 0;
  std::span<std::uint8_t> bytes;

  [[nodiscard]] bool contains(Address address) const { return address >= base && address - base < bytes.size(); }
};

void set_image_segments(ImageSegment code1, ImageSegment data1);

[[nodiscard]] const ImageSegment& code1_segment();
[[nodiscard]] const ImageSegment& data1_segment();

// Checked, writable access to data1 (globals live there).
[[nodiscard]] MemoryView& image_data();

}  // namespace zrt
