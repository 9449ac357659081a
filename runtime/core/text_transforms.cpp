// Case conversion and trimming into fresh copies, so the argument is never
// written. Trimming walks the text forward character by character even to
// find its end, since a trail byte seen from the back cannot be told from a
// single-byte character.
#include "runtime/core/text_transforms.h"

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

namespace {

// The bytes from the first to the end of the last character that is not
// white space; begin is the text's size when every character is.
struct KeptBytes {
  std::size_t begin;
  std::size_t end;
};

KeptBytes non_space_bytes(const CharacterModel& model, std::string_view text) {
  KeptBytes kept{text.size(), 0};
  std::size_t size = 0;
  for (std::size_t offset = 0; offset < text.size(); offset += size) {
    size = model.character_size(text, offset);
    if (model.is_space_at(text, offset)) continue;
    if (kept.begin == text.size()) kept.begin = offset;
    kept.end = offset + size;
  }
  return kept;
}

}  // namespace

ZString* trimmed_start(const CharacterModel& model, ZString* string) {
  return tail_from(string, as_string_length(non_space_bytes(model, string_text(string)).begin));
}

ZString* trimmed_end(const CharacterModel& model, ZString* string) {
  return left_part(string, as_string_length(non_space_bytes(model, string_text(string)).end));
}

ZString* trimmed(const CharacterModel& model, ZString* string) {
  const KeptBytes kept = non_space_bytes(model, string_text(string));
  if (kept.end <= kept.begin) return nullptr;
  return middle_part(string, as_string_length(kept.begin), as_string_length(kept.end - kept.begin));
}

}  // namespace zrt
