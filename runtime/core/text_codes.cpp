// Character codes to and from strings.
#include "runtime/core/text_codes.h"

namespace zrt {
namespace {

std::uint8_t low_byte(std::int32_t code) {
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(code) & 0xFFu);
}

}  // namespace

std::int32_t first_byte_code(const ZString* string) {
  const std::string_view text = string_text(string);
  return text.empty() ? 0 : static_cast<std::uint8_t>(text[0]);
}

std::int32_t first_character_code(const CharacterModel& model, const ZString* string) {
  const std::string_view text = string_text(string);
  if (text.empty() || model.character_size(text, 0) == 1) return first_byte_code(string);
  return static_cast<std::uint8_t>(text[0]) * 256 + static_cast<std::uint8_t>(text[1]);
}

ZString* byte_string(std::int32_t code) {
  const std::uint8_t byte = low_byte(code);
  return make_string(&byte, 1);
}

ZString* character_string(std::int32_t code) {
  if (code < 256) return byte_string(code);
  const std::uint8_t bytes[2] = {low_byte(code >> 8), low_byte(code)};
  return make_string(bytes, 2);
}

}  // namespace zrt
