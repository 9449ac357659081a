#include "runtime/ui/pane_font_win32.h"

namespace zrt {

PaneFont::~PaneFont() { release_font(m_entry); }

HFONT PaneFont::take(const ControlFields& fields, const FontFields& font) {
  FontEntry* entry = acquire_font(FontRequest{text_field(fields, font.name), fields.value<std::int16_t>(font.size),
                                              fields.flag(font.bold), fields.flag(font.italic),
                                              fields.flag(font.underline)});
  release_font(m_entry);
  m_entry = entry;
  return static_cast<HFONT>(system_font_of(m_entry));
}

void PaneFont::apply(HWND target, const ControlFields& fields, const FontFields& font) {
  ::SendMessageA(target, WM_SETFONT, reinterpret_cast<WPARAM>(take(fields, font)), TRUE);
}

std::string text_field(const ControlFields& fields, std::int32_t offset) {
  return std::string(string_text(fields.string(offset)));
}

}  // namespace zrt
