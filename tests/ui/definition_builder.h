// Writes definition streams for tests: packed integers, texts and property
// pairs in the encoding the runtime reads, control entries, and window
// definitions with their byte count in front.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace definition_tests {

using Pairs = std::initializer_list<std::pair<std::string_view, std::string_view>>;

struct ControlEntry {
  std::int32_t class_index;
  Pairs pairs;
};

class DefinitionBuilder {
 public:
  DefinitionBuilder& integer(std::int64_t value) {
    const bool negative = value < 0;
    std::uint64_t magnitude = negative ? static_cast<std::uint64_t>(-value) : static_cast<std::uint64_t>(value);
    m_bytes.push_back(static_cast<std::uint8_t>((magnitude & 0x3F) | (negative ? 0x40 : 0)));
    for (magnitude >>= 6; magnitude != 0; magnitude >>= 7) {
      m_bytes.back() |= 0x80;
      m_bytes.push_back(static_cast<std::uint8_t>(magnitude & 0x7F));
    }
    return *this;
  }

  DefinitionBuilder& text(std::string_view value) {
    integer(static_cast<std::int64_t>(value.size()));
    m_bytes.insert(m_bytes.end(), value.begin(), value.end());
    return *this;
  }

  DefinitionBuilder& byte(std::uint8_t value) {
    m_bytes.push_back(value);
    return *this;
  }

  DefinitionBuilder& pair(std::string_view name, std::string_view value) { return text(name).text(value); }

  // A control entry: its class, then its property pairs.
  DefinitionBuilder& control(std::int32_t class_index, Pairs pairs) {
    integer(class_index).integer(static_cast<std::int64_t>(pairs.size()));
    for (const auto& [name, value] : pairs) pair(name, value);
    return *this;
  }

  // A window with its property pairs and controls, and no bindings.
  DefinitionBuilder& window(std::int32_t class_index, Pairs pairs, std::initializer_list<ControlEntry> controls = {}) {
    integer(static_cast<std::int64_t>(pairs.size())).integer(class_index);
    for (const auto& [name, value] : pairs) pair(name, value);
    integer(static_cast<std::int64_t>(controls.size()));
    for (const ControlEntry& entry : controls) control(entry.class_index, entry.pairs);
    return integer(0);
  }

  [[nodiscard]] const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

  // The byte count as a little-endian word, then the stream.
  [[nodiscard]] std::vector<std::uint8_t> with_length() const {
    std::vector<std::uint8_t> result;
    const auto length = static_cast<std::uint32_t>(m_bytes.size());
    for (int shift = 0; shift < 32; shift += 8) result.push_back(static_cast<std::uint8_t>(length >> shift));
    result.insert(result.end(), m_bytes.begin(), m_bytes.end());
    return result;
  }

 private:
  std::vector<std::uint8_t> m_bytes;
};

}  // namespace definition_tests
