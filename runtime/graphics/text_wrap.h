// Word wrap: where the lines of a text break in a box of a given width, and
// where each word of a line goes. The widths come from the caller's measure,
// so drawing each word at its place keeps the text inside the width the
// measure promised, whatever the system's drawing adds to a long line.
#pragma once

#include "runtime/core/character_model.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace zrt {

// The width of a piece of text in pixels, as drawn on its own.
using TextMeasure = std::function<std::int32_t(std::string_view)>;

// A word (or any run without a break) and its left edge, from the line's
// left edge.
struct PlacedWord {
  std::string_view text;
  std::int32_t left = 0;
};

struct WrappedLine {
  std::vector<PlacedWord> words;
  std::int32_t width = 0;  // to the end of the last word
};

// Paragraphs end at CR, LF or CR LF (each counting once). Within one, lines
// break at spaces: a line takes words while the measure of the line up to
// the end of the next word is within the width, and the spaces where it
// breaks are not drawn. A word wider than the whole width breaks after the
// last character that fits, and every line holds at least one character.
// Spaces that open a paragraph are kept. At most max_lines lines are made:
// those past a box's bottom are never drawn.
[[nodiscard]] std::vector<WrappedLine> wrap_text(std::string_view text, std::int32_t width, const TextMeasure& measure,
                                                 const CharacterModel& model, std::size_t max_lines);

// The characters of a placed word, each placed where the measure of the
// word up to it ends. Drawn one by one, the characters keep the measured
// spacing: a system that draws a run of text wider than it measures it
// would otherwise close the gaps between words.
[[nodiscard]] std::vector<PlacedWord> characters_of(const PlacedWord& word, const TextMeasure& measure,
                                                    const CharacterModel& model);

// Where a line of this width starts in a box of the given width: 0 for
// left alignment (0), half the room for centred (1), all of it for right
// (2); any other alignment is left.
[[nodiscard]] std::int32_t aligned_left(std::int32_t line_width, std::int32_t box_width, std::int32_t alignment);

}  // namespace zrt
