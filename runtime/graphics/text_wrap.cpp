#include "runtime/graphics/text_wrap.h"

#include <algorithm>

namespace zrt {
namespace {

bool is_break_space(char byte) { return byte == ' '; }

std::size_t skip_spaces(std::string_view text, std::size_t at) {
  while (at < text.size() && is_break_space(text[at])) ++at;
  return at;
}

// Where the word that starts at `at` ends, or the first character boundary
// at or past `limit` if the word goes on that far.
std::size_t end_of_word(std::string_view text, std::size_t at, const CharacterModel& model, std::size_t limit) {
  while (at < text.size() && at < limit && !is_break_space(text[at])) at += model.character_size(text, at);
  return at;
}

// The lines of one paragraph, which holds no line end.
class ParagraphWrapper {
 public:
  ParagraphWrapper(std::string_view paragraph, std::int32_t width, const TextMeasure& measure,
                   const CharacterModel& model)
      : m_text(paragraph), m_width(width), m_measure(measure), m_model(model) {}

  void append_lines(std::vector<WrappedLine>& lines, std::size_t max_lines) const {
    std::size_t at = 0;
    do {
      if (lines.size() >= max_lines) return;
      WrappedLine line;
      const std::size_t line_start = at;
      at = fill_line(line_start, line);
      lines.push_back(std::move(line));
      at = skip_spaces(m_text, at);
    } while (at < m_text.size());
  }

 private:
  std::int32_t width_of(std::size_t from, std::size_t to) const {
    return to > from ? m_measure(m_text.substr(from, to - from)) : 0;
  }

  // Every character is at least a pixel wide and at most two bytes long,
  // so a longer run cannot fit and is neither scanned nor measured: a text
  // of one huge word costs a line's length per line, not the whole word's.
  std::size_t most_bytes() const { return 2 * static_cast<std::size_t>(std::max(m_width, 0)) + 2; }

  bool fits(std::size_t from, std::size_t to) const {
    return to - from <= most_bytes() && width_of(from, to) <= m_width;
  }

  // Takes words into the line from line_start; gives where the line ends.
  std::size_t fill_line(std::size_t line_start, WrappedLine& line) const {
    std::size_t end = line_start;
    for (;;) {
      const std::size_t word_start = skip_spaces(m_text, end);
      if (word_start == m_text.size()) return m_text.size();
      const std::size_t word_end = end_of_word(m_text, word_start, m_model, line_start + most_bytes() + 1);
      if (!fits(line_start, word_end)) {
        if (!line.words.empty()) return end;
        return place_part_of_word(line_start, word_start, line);
      }
      line.words.push_back({m_text.substr(word_start, word_end - word_start), width_of(line_start, word_start)});
      line.width = width_of(line_start, word_end);
      end = word_end;
    }
  }

  // A word too wide for a line of its own: as many of its characters as
  // fit, and at least one.
  std::size_t place_part_of_word(std::size_t line_start, std::size_t word_start, WrappedLine& line) const {
    std::size_t end = word_start + m_model.character_size(m_text, word_start);
    for (;;) {
      const std::size_t next = end + (end < m_text.size() ? m_model.character_size(m_text, end) : 0);
      if (next == end || is_break_space(m_text[end]) || !fits(line_start, next)) break;
      end = next;
    }
    line.words.push_back({m_text.substr(word_start, end - word_start), width_of(line_start, word_start)});
    line.width = width_of(line_start, end);
    return end;
  }

  std::string_view m_text;
  std::int32_t m_width;
  const TextMeasure& m_measure;
  const CharacterModel& m_model;
};

}  // namespace

std::vector<WrappedLine> wrap_text(std::string_view text, std::int32_t width, const TextMeasure& measure,
                                   const CharacterModel& model, std::size_t max_lines) {
  std::vector<WrappedLine> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find_first_of("\r\n", start);
    ParagraphWrapper(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start), width,
                     measure, model)
        .append_lines(lines, max_lines);
    if (end == std::string_view::npos || lines.size() >= max_lines) return lines;
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
}

std::vector<PlacedWord> characters_of(const PlacedWord& word, const TextMeasure& measure,
                                      const CharacterModel& model) {
  std::vector<PlacedWord> characters;
  for (std::size_t at = 0; at < word.text.size();) {
    const std::size_t size = model.character_size(word.text, at);
    characters.push_back({word.text.substr(at, size), word.left + (at > 0 ? measure(word.text.substr(0, at)) : 0)});
    at += size;
  }
  return characters;
}

std::int32_t aligned_left(std::int32_t line_width, std::int32_t box_width, std::int32_t alignment) {
  const std::int32_t room = box_width - line_width;
  if (alignment == 1) return room / 2;
  if (alignment == 2) return room;
  return 0;
}

}  // namespace zrt
