// Reading window, control and menu definitions: counts, class indexes and
// property pairs (name, then the value written as text) over the packed
// encoding of the image's streams. Every read is checked, so a truncated or
// corrupt definition gives an error naming what could not be read.
#pragma once

#include "runtime/core/packed_reader.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zrt {

struct PropertyPair {
  std::string_view name;
  std::string_view value;
};

class DefinitionStream {
 public:
  explicit DefinitionStream(std::span<const std::uint8_t> bytes) : m_reader(bytes) {}

  [[nodiscard]] std::optional<std::int32_t> read_integer(std::string_view what);
  // A count of entries that follow; a negative one is an error.
  [[nodiscard]] std::optional<std::int32_t> read_count(std::string_view what);
  [[nodiscard]] std::optional<std::string_view> read_text(std::string_view what);
  [[nodiscard]] std::optional<std::uint8_t> read_byte(std::string_view what);
  [[nodiscard]] std::optional<PropertyPair> read_property_pair();

  [[nodiscard]] bool at_end() const { return m_reader.at_end(); }
  // What the first failed read could not read and why; empty while none failed.
  [[nodiscard]] const std::string& error() const { return m_error; }

 private:
  void fail(std::string_view what, std::string_view why);

  PackedReader m_reader;
  std::string m_error;
};

}  // namespace zrt
