// Finding one resource in a PE executable's resource tree: type, then name,
// then the first language, whose data entry gives the bytes' RVA and size.
#pragma once

#include <cstdint>
#include <string_view>

#include "compiler/pe_file.h"

namespace pe {

struct ResourceData {
  std::uint32_t file_offset = 0;
  std::uint32_t size = 0;
};

// The resource of string type `type_name` (compared ignoring ASCII case, as
// the system does) and integer id `id`. Raises PeError naming what is missing.
[[nodiscard]] ResourceData find_resource(const PeFile& file, std::string_view type_name, std::uint16_t id);

}  // namespace pe
