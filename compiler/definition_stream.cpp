// The packed encoding; the runtime's reader is its inverse.
#include "compiler/definition_stream.h"

#include "runtime/interface/image_format.h"

namespace zc {

using namespace zif::image_format;

void DefinitionStream::magnitude(std::uint64_t magnitude, bool negative) {
  std::uint8_t first = static_cast<std::uint8_t>(magnitude & packed_first_bits);
  if (negative) first |= packed_negative;
  magnitude >>= 6;
  if (magnitude != 0) first |= packed_more;
  byte(first);
  while (magnitude != 0) {
    std::uint8_t next = static_cast<std::uint8_t>(magnitude & packed_further_bits);
    magnitude >>= 7;
    if (magnitude != 0) next |= packed_more;
    byte(next);
  }
}

void DefinitionStream::integer(std::int64_t value) {
  const bool negative = value < 0;
  magnitude(static_cast<std::uint64_t>(negative ? -value : value), negative);
}

void DefinitionStream::no_index() { magnitude(packed_most_negative, false); }

void DefinitionStream::string(std::string_view text) {
  integer(static_cast<std::int64_t>(text.size()));
  m_bytes += text;
}

void DefinitionStream::big_endian_word(std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) byte(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace zc
