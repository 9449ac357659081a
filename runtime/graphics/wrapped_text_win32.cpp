#include "runtime/graphics/wrapped_text_win32.h"

#include "runtime/core/character_model.h"
#include "runtime/graphics/text_wrap.h"

#include <algorithm>

namespace zrt {

void draw_wrapped_text(HDC context, const RECT& box, std::string_view text, std::int32_t alignment) {
  const TextMeasure measure = [context](std::string_view piece) {
    SIZE size{};
    ::GetTextExtentPoint32A(context, piece.data(), static_cast<int>(piece.size()), &size);
    return static_cast<std::int32_t>(size.cx);
  };
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(context, &metrics);
  const std::int32_t box_width = box.right - box.left;
  const UINT saved_alignment = ::SetTextAlign(context, TA_LEFT | TA_TOP);
  std::int32_t top = box.top;
  const CharacterModel& model = system_character_model();
  const LONG line_height = std::max(metrics.tmHeight, LONG{1});
  const auto lines_in_box = static_cast<std::size_t>(std::max((box.bottom - box.top + line_height - 1) / line_height, LONG{0}));
  for (const WrappedLine& line : wrap_text(text, box_width, measure, model, lines_in_box)) {
    const std::int32_t left = box.left + aligned_left(line.width, box_width, alignment);
    for (const PlacedWord& word : line.words)
      for (const PlacedWord& character : characters_of(word, measure, model))
        ::ExtTextOutA(context, left + character.left, top, ETO_CLIPPED, &box, character.text.data(),
                      static_cast<UINT>(character.text.size()), nullptr);
    top += line_height;
  }
  ::SetTextAlign(context, saved_alignment);
}

}  // namespace zrt
