// Running the GNU cross assembler for i386 COFF objects on generated source.
// It is found through $ZC_ASSEMBLER, else as i686-w64-mingw32-as on PATH.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zc {

// The assembler's path, or nothing when it cannot be found.
[[nodiscard]] std::optional<std::string> find_assembler();

struct AssembledObject {
  std::vector<std::uint8_t> object;  // the COFF object; empty on failure
  std::string error;                 // why it failed, with the assembler's own messages
};

[[nodiscard]] AssembledObject assemble(const std::string& assembler, const std::string& source);

}  // namespace zc
