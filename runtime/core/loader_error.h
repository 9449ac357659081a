// Why an application image could not be loaded. Every start-up failure is
// shown to the user as one sentence that begins the same way, so the loader's
// parts only say what went wrong.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zrt {

struct LoadError {
  std::string message;
};

inline constexpr std::string_view k_load_failure_prefix = "The application could not be loaded because ";

// The full message for `reason`, which reads on from the prefix and carries
// no final full stop ("code2 ends inside an import record at offset 0x10").
[[nodiscard]] LoadError load_failure(std::string_view reason);

// Offsets and addresses in messages, as "0x1A2B".
[[nodiscard]] std::string hex(std::uint64_t value);

}  // namespace zrt
