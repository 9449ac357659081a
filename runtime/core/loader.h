// The loader's sequence, from finding the image to calling its entry, over a
// LoaderPlatform that supplies the system's part (the PICKLE resource, memory
// the code may run in, libraries, the message box and the call itself). The
// sequence is the same on the target and in host tests.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "runtime/core/export_table.h"
#include "runtime/core/image_linker.h"

namespace zrt {

class LoaderPlatform : public ImportResolver {
 public:
  // The PICKLE resource's bytes; empty when the executable has none.
  [[nodiscard]] virtual std::span<const std::uint8_t> pickle_resource() = 0;
  // The executable's full path, or "" when it cannot be found out.
  [[nodiscard]] virtual std::string executable_path() = 0;
  // Where the development files are; "" is the current directory.
  [[nodiscard]] virtual std::string development_directory() = 0;
  // A block of `size` bytes that code may run from, kept for the whole run.
  [[nodiscard]] virtual std::optional<std::span<std::uint8_t>> allocate_code(std::size_t size) = 0;
  // The address at which the application sees a block.
  [[nodiscard]] virtual std::uint32_t address_of(std::span<const std::uint8_t> block) = 0;
  virtual void show_failure(const std::string& message) = 0;
  virtual void call_entry(std::uint32_t entry) = 0;
};

// Finds, reads and links the image, records it in loaded_image(), sets up the
// resource readers and calls the entry. On any failure it shows one message
// and returns false without running anything of the image.
[[nodiscard]] bool run_loader(LoaderPlatform& platform);

// The loader with the system's own platform, for the start-up routine, which
// hands it the runtime's export table. It exists in the Windows build only.
[[nodiscard]] bool run_system_loader(const ExportTable& exports);

}  // namespace zrt
