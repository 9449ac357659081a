// Parts of strings by 1-based positions and by separators. Positions and
// counts come from the application and may be any 32-bit value, so the
// arithmetic on them is done in 64 bits before anything is clamped to the
// string.
#include "runtime/core/text_parts.h"

#include "runtime/core/text_search.h"

#include <algorithm>

namespace zrt {
namespace {

// A 0-based range asked for by a 1-based position and a count: a position
// below 1 moves the start to 0 and costs the count what lay before it.
struct RequestedRange {
  std::int64_t first;
  std::int64_t count;
};

RequestedRange requested_range(std::int32_t position, std::int32_t count) {
  RequestedRange range{std::int64_t{position} - 1, count};
  if (range.first < 0) {
    range.count += range.first;
    range.first = 0;
  }
  return range;
}

}  // namespace

std::int32_t character_length(const CharacterModel& model, const ZString* string) {
  return as_string_length(model.count_characters(string_text(string)));
}

ZString* tail_from_position(ZString* string, std::int32_t position) {
  return tail_from(string, position <= 1 ? 0 : position - 1);
}

ZString* substring(ZString* string, std::int32_t position, std::int32_t count) {
  const RequestedRange range = requested_range(position, count);
  const std::int64_t length = string_length(string);
  if (range.count < 1 || range.first >= length) return nullptr;
  const std::int64_t kept = std::min(range.count, length - range.first);
  return middle_part(string, static_cast<std::int32_t>(range.first), static_cast<std::int32_t>(kept));
}

ZString* left_characters(const CharacterModel& model, ZString* string, std::int32_t count) {
  if (count < 1) return nullptr;
  return left_part(string, as_string_length(model.offset_of_character(string_text(string), count)));
}

ZString* right_characters(const CharacterModel& model, ZString* string, std::int32_t count) {
  if (count < 1) return nullptr;
  const std::string_view text = string_text(string);
  const std::int64_t skipped = std::int64_t{character_length(model, string)} - count;
  return tail_from(string, as_string_length(model.offset_of_character(text, skipped)));
}

ZString* tail_from_character(const CharacterModel& model, ZString* string, std::int32_t position) {
  const std::size_t start = model.offset_of_character(string_text(string), std::int64_t{position} - 1);
  return tail_from(string, as_string_length(start));
}

ZString* substring_characters(const CharacterModel& model, ZString* string, std::int32_t position,
                              std::int32_t count) {
  const RequestedRange range = requested_range(position, count);
  if (range.count < 1) return nullptr;
  const std::string_view text = string_text(string);
  const std::size_t start = model.offset_of_character(text, range.first);
  const std::size_t end = start + model.offset_of_character(text.substr(start), range.count);
  if (end == start) return nullptr;
  return middle_part(string, as_string_length(start), as_string_length(end - start));
}

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
