// Counting and taking fields between separators.
#include "runtime/core/text_fields.h"

#include "runtime/core/text_search.h"

namespace zrt {

std::int32_t count_fields(const CharacterModel& model, const ZString* string, const ZString* separator) {
  if (string == nullptr) return 0;
  if (separator == nullptr) return 1;
  const CaseBlindSearch search(model, string_text(string), string_text(separator));
  std::int32_t fields = 1;
  for (std::size_t found = search.find_characters_from(0); found != std::string::npos;
       found = search.find_characters_from(found + search.needle_size())) {
    ++fields;
  }
  return fields;
}

ZString* nth_field(const CharacterModel& model, ZString* string, const ZString* separator, std::int32_t number) {
  if (string == nullptr || separator == nullptr || number < 1) return nullptr;
  const std::string_view text = string_text(string);
  const CaseBlindSearch search(model, text, string_text(separator));
  std::size_t field_start = 0;
  for (std::int32_t passed = 1; passed < number; ++passed) {
    const std::size_t found = search.find_characters_from(field_start);
    if (found == std::string::npos) return nullptr;
    field_start = found + search.needle_size();
  }
  const std::size_t found = search.find_characters_from(field_start);
  const std::size_t field_end = found == std::string::npos ? text.size() : found;
  return middle_part(string, as_string_length(field_start), as_string_length(field_end - field_start));
}

}  // namespace zrt
