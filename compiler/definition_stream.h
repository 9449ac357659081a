// Writing the packed streams the image carries: the settings stream, window
// definitions and the menu definition, in the packed integers of
// runtime/interface/image_format.h. A string is its packed length, then its
// bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zc {

class DefinitionStream {
 public:
  void integer(std::int64_t value);
  // The stored form of -2147483648, which the menu definition uses for "no index".
  void no_index();
  void string(std::string_view text);
  void byte(std::uint8_t value) { m_bytes += static_cast<char>(value); }
  void big_endian_word(std::uint32_t value);
  const std::string& bytes() const { return m_bytes; }

 private:
  void magnitude(std::uint64_t magnitude, bool negative);
  std::string m_bytes;
};

}  // namespace zc
