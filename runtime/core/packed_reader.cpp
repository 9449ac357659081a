// The packed integer and text encoding of the image's streams.
#include "runtime/core/packed_reader.h"

#include "runtime/interface/image_format.h"

namespace zrt {
namespace {

using namespace zif::image_format;
// Six bits in the first byte and seven in each further one: five further
// bytes already exceed 32 bits, so a longer integer is malformed.
constexpr int k_max_further_bytes = 4;

}  // namespace

template <typename T>
std::optional<T> PackedReader::fail(std::string_view what) {
  m_error = std::string(what) + " at byte " + std::to_string(m_position);
  return std::nullopt;
}

std::optional<std::uint8_t> PackedReader::read_byte() {
  if (m_position >= m_bytes.size()) return fail<std::uint8_t>("stream ends before a byte");
  return m_bytes[m_position++];
}

std::optional<std::uint32_t> PackedReader::read_u32_big_endian() {
  if (m_bytes.size() - m_position < 4) return fail<std::uint32_t>("stream ends inside a 4-byte word");
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | m_bytes[m_position++];
  return value;
}

std::optional<std::int32_t> PackedReader::read_integer() {
  const std::size_t start = m_position;
  if (m_position >= m_bytes.size()) return fail<std::int32_t>("stream ends before an integer");
  const std::uint8_t first = m_bytes[m_position++];
  std::uint64_t magnitude = first & packed_first_bits;
  bool more = first & packed_more;
  for (int shift = 6, further = 0; more; shift += 7, ++further) {
    if (further == k_max_further_bytes) {
      m_position = start;
      return fail<std::int32_t>("packed integer longer than 32 bits");
    }
    if (m_position >= m_bytes.size()) {
      m_position = start;
      return fail<std::int32_t>("stream ends inside a packed integer");
    }
    const std::uint8_t next = m_bytes[m_position++];
    magnitude |= static_cast<std::uint64_t>(next & packed_further_bits) << shift;
    more = next & packed_more;
  }
  if (magnitude > packed_most_negative) {
    m_position = start;
    return fail<std::int32_t>("packed integer longer than 32 bits");
  }
  if (magnitude == packed_most_negative) return INT32_MIN;
  const auto value = static_cast<std::int32_t>(magnitude);
  return (first & packed_negative) ? -value : value;
}

std::optional<std::string_view> PackedReader::read_string() {
  const std::size_t start = m_position;
  const auto length = read_integer();
  if (!length) return std::nullopt;
  if (*length <= 0) return std::string_view();
  if (m_bytes.size() - m_position < static_cast<std::size_t>(*length)) {
    m_position = start;
    return fail<std::string_view>("text of " + std::to_string(*length) + " bytes runs past the end of the stream");
  }
  const auto* text = reinterpret_cast<const char*>(m_bytes.data() + m_position);
  m_position += static_cast<std::size_t>(*length);
  return std::string_view(text, static_cast<std::size_t>(*length));
}

}  // namespace zrt
