// Reading the packed streams of the image: the settings stream, window and
// menu definitions and the file-type table share one encoding of integers and
// texts. The reader checks every read against the end of the stream, so a
// malformed stream gives a clear error instead of reading past its end.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zrt {

class PackedReader {
 public:
  explicit PackedReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

  // A packed integer: the first byte holds a continuation bit (7), a sign bit
  // (6) and magnitude bits 0..5; each further byte a continuation bit and the
  // next seven magnitude bits. A magnitude of exactly 0x80000000 stands for
  // -2147483648 whatever the sign bit says.
  [[nodiscard]] std::optional<std::int32_t> read_integer();

  // A packed integer length, then that many bytes; a length of 0 or less is
  // the empty text.
  [[nodiscard]] std::optional<std::string_view> read_string();

  [[nodiscard]] std::optional<std::uint8_t> read_byte();
  [[nodiscard]] std::optional<std::uint32_t> read_u32_big_endian();

  bool at_end() const { return m_position == m_bytes.size(); }
  std::size_t position() const { return m_position; }

  // Why the last read failed, with the offset where it did.
  const std::string& error() const { return m_error; }

 private:
  template <typename T>
  std::optional<T> fail(std::string_view what);

  std::span<const std::uint8_t> m_bytes;
  std::size_t m_position = 0;
  std::string m_error;
};

}  // namespace zrt
