// Parts of strings by 1-based positions. Positions and counts come from the
// application and may be any 32-bit value, so the arithmetic on them is done
// in 64 bits before anything is clamped to the string.
#include "runtime/core/text_parts.h"

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

}  // namespace zrt
