// Case-blind search and replace over bytes, or character by character where
// the model has double-byte characters.
#include "runtime/core/text_search.h"

#include "runtime/core/byte_scan.h"

#include <algorithm>
#include <limits>

namespace zrt {

CaseBlindSearch::CaseBlindSearch(const CharacterModel& model, std::string_view text, std::string_view needle)
    : m_model(model), m_text(text), m_needle(model.upper_copy(needle)) {}

std::size_t CaseBlindSearch::find_bytes_from(std::size_t from) const {
  if (m_needle.empty() || m_needle.size() > m_text.size()) return std::string::npos;
  // Most offsets fail on their first byte: look for the next place where it
  // matches before comparing the rest.
  const std::size_t last_start = m_text.size() - m_needle.size();
  for (std::size_t offset = next_first_byte(from, last_start); offset <= last_start;
       offset = next_first_byte(offset + 1, last_start)) {
    if (matches_at(offset)) return offset;
  }
  return std::string::npos;
}

// The first offset from `from` up to last_start whose byte is the needle's
// first in either case, or past last_start.
std::size_t CaseBlindSearch::next_first_byte(std::size_t from, std::size_t last_start) const {
  if (from > last_start) return from;
  const auto first = static_cast<std::uint8_t>(m_needle.front());
  if (const std::array<char, 2>* cases = m_model.bytes_with_upper(first)) {
    const char* text = m_text.data();
    return static_cast<std::size_t>(find_either_byte(text + from, text + last_start + 1, (*cases)[0], (*cases)[1]) -
                                    text);
  }
  while (from <= last_start && m_model.upper(static_cast<std::uint8_t>(m_text[from])) != first) ++from;
  return from;
}

std::size_t CaseBlindSearch::find_characters_from(std::size_t from) const {
  if (!m_model.is_double_byte()) return find_bytes_from(from);
  if (m_needle.empty()) return std::string::npos;
  for (std::size_t offset = from; offset + m_needle.size() <= m_text.size();
       offset += m_model.character_size(m_text, offset)) {
    if (matches_at(offset) && ends_where_a_character_ends(offset)) return offset;
  }
  return std::string::npos;
}

bool CaseBlindSearch::matches_at(std::size_t offset) const {
  for (std::size_t i = 0; i < m_needle.size(); ++i) {
    if (m_model.upper(static_cast<std::uint8_t>(m_text[offset + i])) != static_cast<std::uint8_t>(m_needle[i]))
      return false;
  }
  return true;
}

// A needle that ends in a lead byte must not match the first half of a
// double-byte character.
bool CaseBlindSearch::ends_where_a_character_ends(std::size_t offset) const {
  const std::size_t end = offset + m_needle.size();
  while (offset < end) offset += m_model.character_size(m_text, offset);
  return offset == end;
}

namespace {

// Positions handed back to the application are 1-based and 32-bit.
std::int32_t one_based(std::size_t offset) {
  return static_cast<std::int32_t>(offset + 1);
}

// The shared answers of both searches before any text is compared, or -1
// when the search itself must decide.
std::int32_t trivial_position(std::int32_t start, const ZString* string, const ZString* find) {
  if (find == nullptr) return start - 1;
  if (string == nullptr) return 0;
  return -1;
}

ZString* replace_matches(const CharacterModel& model, ZString* string, const ZString* find,
                         const ZString* replacement, std::size_t most) {
  const std::string_view text = string_text(string);
  const CaseBlindSearch search(model, text, string_text(find));
  std::string result;
  // Replacements usually shorten or keep the length: one allocation then.
  result.reserve(text.size());
  std::size_t copied = 0;
  std::size_t replaced = 0;
  for (std::size_t found = search.find_characters_from(0); found != std::string::npos && replaced < most;
       found = search.find_characters_from(copied)) {
    result.append(text.substr(copied, found - copied)).append(string_text(replacement));
    copied = found + search.needle_size();
    ++replaced;
  }
  if (replaced == 0) return share_string(string);
  result.append(text.substr(copied));
  return make_string(result);
}

}  // namespace

std::int32_t position_ignoring_case(const CharacterModel& model, std::int32_t start, const ZString* string,
                                    const ZString* find) {
  start = std::max(start, 1);
  if (const std::int32_t answer = trivial_position(start, string, find); answer >= 0) return answer;
  const CaseBlindSearch search(model, string_text(string), string_text(find));
  const std::size_t found = search.find_bytes_from(static_cast<std::size_t>(start) - 1);
  return found == std::string::npos ? 0 : one_based(found);
}

std::int32_t character_position_ignoring_case(const CharacterModel& model, std::int32_t start,
                                              const ZString* string, const ZString* find) {
  start = std::max(start, 1);
  if (const std::int32_t answer = trivial_position(start, string, find); answer >= 0) return answer;
  const std::string_view text = string_text(string);
  const CaseBlindSearch search(model, text, string_text(find));
  const std::size_t found = search.find_characters_from(model.offset_of_character(text, std::int64_t{start} - 1));
  return found == std::string::npos ? 0 : one_based(model.characters_before(text, found));
}

ZString* replace_first(const CharacterModel& model, ZString* string, const ZString* find,
                       const ZString* replacement) {
  return replace_matches(model, string, find, replacement, 1);
}

ZString* replace_all(const CharacterModel& model, ZString* string, const ZString* find,
                     const ZString* replacement) {
  return replace_matches(model, string, find, replacement, std::numeric_limits<std::size_t>::max());
}

}  // namespace zrt
