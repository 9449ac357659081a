// Checked reads of a definition stream, keeping the first failure.
#include "runtime/ui/definition_stream.h"

namespace zrt {

void DefinitionStream::fail(std::string_view what, std::string_view why) {
  if (!m_error.empty()) return;
  m_error = "definition stream: cannot read the " + std::string(what) + ": " + std::string(why);
}

std::optional<std::int32_t> DefinitionStream::read_integer(std::string_view what) {
  const auto value = m_reader.read_integer();
  if (!value) fail(what, m_reader.error());
  return value;
}

std::optional<std::int32_t> DefinitionStream::read_count(std::string_view what) {
  const auto count = read_integer(what);
  if (!count || *count >= 0) return count;
  fail(what, "negative count " + std::to_string(*count));
  return std::nullopt;
}

std::optional<std::string_view> DefinitionStream::read_text(std::string_view what) {
  const auto text = m_reader.read_string();
  if (!text) fail(what, m_reader.error());
  return text;
}

std::optional<std::uint8_t> DefinitionStream::read_byte(std::string_view what) {
  const auto byte = m_reader.read_byte();
  if (!byte) fail(what, m_reader.error());
  return byte;
}

std::optional<PropertyPair> DefinitionStream::read_property_pair() {
  const auto name = read_text("property name");
  const auto value = name ? read_text("property value") : std::nullopt;
  if (!value) return std::nullopt;
  return PropertyPair{*name, *value};
}

}  // namespace zrt
