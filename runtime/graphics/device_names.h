// The device-names block that the print dialog hands back: the driver,
// device and port of the chosen printer, each a NUL-terminated string at an
// offset the block's first three 16-bit words give.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zrt {

struct PrinterNames {
  std::string driver;
  std::string device;
  std::string port;
};

// Nothing when the block is too short for its offsets or a name runs past
// its end, so a damaged block never leads to reading beyond it.
[[nodiscard]] std::optional<PrinterNames> read_device_names(std::span<const std::uint8_t> block);

}  // namespace zrt
