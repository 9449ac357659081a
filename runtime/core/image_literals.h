// Reading the image's literal string records through checked memory: the
// 4-word record (count, buffer, capacity, length) and the text at buffer + 1.
#pragma once

#include "runtime/core/checked_memory.h"

#include <optional>
#include <string>

namespace zrt {

// The text of the literal string record at address; nothing when the record
// or its text cannot be read or its length is below 1.
[[nodiscard]] std::optional<std::string> read_literal_string(const MemoryView& memory, Address record);

// "0x" and eight hex digits, for messages about image data.
[[nodiscard]] std::string hex_address(Address address);

}  // namespace zrt
