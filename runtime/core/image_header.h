// The words the runtime reads from the application's data: data1's two header
// words (the entry routine and the application descriptor) and the
// descriptor's outer layout, the class descriptors and project objects it
// lists. Every address is checked to lie in its segment before it is used.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/core/image_block.h"
#include "runtime/core/loader_error.h"

namespace zrt {

struct ImageHeader {
  std::uint32_t entry = 0;        // a code1 address
  std::uint32_t application = 0;  // a data1 address
};

// Reads the header of relocated data1.
[[nodiscard]] std::optional<ImageHeader> read_image_header(const ImageBlock& code1, const ImageBlock& data1,
                                                           LoadError& error);

struct ApplicationDescriptor {
  // Addresses of the class descriptors; the position is the class index.
  std::vector<std::uint32_t> classes;
  // Addresses of project-object descriptors, 0 for an empty slot; entry i is
  // project object number i + 1.
  std::vector<std::uint32_t> project_objects;
};

// The descriptor is a class count and that many words, then an object count
// and that many words, all inside data1.
[[nodiscard]] std::optional<ApplicationDescriptor> read_application_descriptor(const ImageBlock& data1,
                                                                               std::uint32_t address,
                                                                               LoadError& error);

}  // namespace zrt
