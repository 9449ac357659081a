// Trimming. The text is walked forward character by character even to find
// its end, since a trail byte seen from the back cannot be told from a
// single-byte character.
#include "runtime/core/text_trim.h"

namespace zrt {
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
