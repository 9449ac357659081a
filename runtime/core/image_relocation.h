// Relocating the application's data: data2 is a list of 16-bit words that move
// a cursor through data1 and turn runs of offsets there into addresses.
#pragma once

#include <cstdint>
#include <span>

#include "runtime/core/image_block.h"
#include "runtime/core/loader_error.h"

namespace zrt {

// Applies every data2 word in order; an odd final byte is ignored. A run that
// would reach past the end of data1 fails the load.
[[nodiscard]] bool relocate_data(ImageBlock data1, std::uint32_t code1_base, std::span<const std::uint8_t> data2,
                                 LoadError& error);

}  // namespace zrt
