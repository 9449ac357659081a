// The checksum of a Windows executable, as the system's CheckSumMappedFile
// computes it: the file read as little-endian 16-bit words (an odd last byte
// padded with zero) with the optional header's CheckSum field counted as
// zero, added with end-around carry into 16 bits, plus the file's length.
// zpack stamps it into a packed program; the loader checks it before reading
// the program's image, so a damaged download is refused with one message.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zrt {

// Where the CheckSum field lies; nothing when the file has no PE headers
// that reach it.
[[nodiscard]] std::optional<std::size_t> pe_checksum_offset(std::span<const std::uint8_t> file);

[[nodiscard]] std::uint32_t pe_checksum(std::span<const std::uint8_t> file, std::size_t checksum_offset);

// Writes the file's checksum into its CheckSum field; false when it has none.
[[nodiscard]] bool stamp_pe_checksum(std::vector<std::uint8_t>& file);

// Whether the file has a CheckSum field that holds its checksum.
[[nodiscard]] bool pe_checksum_matches(std::span<const std::uint8_t> file);

}  // namespace zrt
