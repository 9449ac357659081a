// The packed encoding; the runtime's reader is its inverse.
#include "compiler/definition_stream.h"

namespace zc {

void DefinitionStream::magnitude(std::uint64_t magnitude, bool negative) {
  std::uint8_t first = static_cast<std::uint8_t>(magnitude & 0x3F);
  if (negative) first |= 0x40;
  magnitude >>= 6;
  if (magnitude != 0) first |= 0x80;
  byte(first);
  while (magnitude != 0) {
    std::uint8_t next = static_cast<std::uint8_t>(magnitude & 0x7F);
    magnitude >>= 7;
    if (magnitude != 0) next |= 0x80;
    byte(next);
  }
}

void DefinitionStream::integer(std::int64_t value) {
  const bool negative = value < 0;
  magnitude(static_cast<std::uint64_t>(negative ? -value : value), negative);
}

void DefinitionStream::no_index() { magnitude(0x80000000U, false); }

void DefinitionStream::string(std::string_view text) {
  integer(static_cast<std::int64_t>(text.size()));
  m_bytes += text;
}

void DefinitionStream::big_endian_word(std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) byte(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace zc
