// Numbers as binary streams store them: big-endian unless the stream says
// little-endian. Single bytes and strings are never reordered.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace zrt {

template <typename T>
[[nodiscard]] std::array<std::uint8_t, sizeof(T)> stored_bytes(T value, bool little_endian) {
  std::array<std::uint8_t, sizeof(T)> bytes;
  std::memcpy(bytes.data(), &value, sizeof(T));
  if (little_endian != (std::endian::native == std::endian::little)) std::reverse(bytes.begin(), bytes.end());
  return bytes;
}

template <typename T>
[[nodiscard]] T stored_value(std::array<std::uint8_t, sizeof(T)> bytes, bool little_endian) {
  if (little_endian != (std::endian::native == std::endian::little)) std::reverse(bytes.begin(), bytes.end());
  T value;
  std::memcpy(&value, bytes.data(), sizeof(T));
  return value;
}

}  // namespace zrt
