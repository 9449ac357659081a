// Case conversion into fresh copies, so the argument is never written.
#include "runtime/core/text_case.h"

#include <span>

namespace zrt {
namespace {

// A new string with the same bytes, which the caller may still change.
ZString* writable_copy(const ZString* string) {
  return make_string(string_text(string));
}

std::span<std::uint8_t> bytes_of(ZString* string) {
  if (string == nullptr) return {};
  return {string->buffer + 1, static_cast<std::size_t>(string->length)};
}

}  // namespace

ZString* upper_cased(const CharacterModel& model, ZString* string) {
  ZString* copy = writable_copy(string);
  model.upper_in_place(bytes_of(copy));
  return copy;
}

ZString* lower_cased(const CharacterModel& model, ZString* string) {
  ZString* copy = writable_copy(string);
  model.lower_in_place(bytes_of(copy));
  return copy;
}

ZString* title_cased(const CharacterModel& model, ZString* string) {
  ZString* copy = writable_copy(string);
  const std::span<std::uint8_t> bytes = bytes_of(copy);
  const std::string_view text = string_text(copy);
  bool word_start = true;
  std::size_t size = 0;
  for (std::size_t offset = 0; offset < text.size(); offset += size) {
    // Measured before the byte changes, so a mapping cannot move the steps.
    size = model.character_size(text, offset);
    if (model.is_space_at(text, offset)) {
      word_start = true;
      continue;
    }
    if (size == 1) bytes[offset] = word_start ? model.upper(bytes[offset]) : model.lower(bytes[offset]);
    word_start = false;
  }
  return copy;
}

}  // namespace zrt
