// Literal string records of the image.
#include "runtime/core/image_literals.h"

#include "runtime/interface/image_format.h"

#include <cstdio>
#include <span>

namespace zrt {

std::optional<std::string> read_literal_string(const MemoryView& memory, Address record) {
  using zif::image_format::LiteralString;
  const auto buffer = memory.word_at(record + offsetof(LiteralString, buffer));
  const auto length = memory.word_at(record + offsetof(LiteralString, length));
  if (!buffer || !length || *length < 1 || *length > 0xFFFFFFFEu - *buffer) return std::nullopt;
  // The terminating NUL proves that the whole text is there before any
  // memory is set aside for it.
  if (!memory.byte_at(*buffer + *length + 1)) return std::nullopt;
  std::string text(*length, '\0');
  if (!memory.read(*buffer + 1, std::span(reinterpret_cast<std::uint8_t*>(text.data()), text.size())))
    return std::nullopt;
  return text;
}

std::string hex_address(Address address) {
  char text[11];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(address));
  return text;
}

}  // namespace zrt
