// The static text's pane: drawn into its window, without a handle.
#include "runtime/graphics/colors.h"
#include "runtime/graphics/wrapped_text_win32.h"
#include "runtime/ui/control_panes.h"
#include "runtime/ui/pane_font_win32.h"
#include "runtime/ui/system_pane_win32.h"

#include <string_view>
#include <vector>

namespace zrt {
namespace {

namespace f = zif::static_text_fields;

constexpr FontFields font_fields{f::text_font, f::text_size, f::bold, f::italic, f::underline};

// Splits a text at CR, LF or CR LF, each counting once.
std::vector<std::string> lines_of(std::string_view text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

class StaticTextPane final : public SystemPane {
 public:
  using SystemPane::SystemPane;

  void paint_into_window(HDC context) override {
    const ControlFields fields(control());
    ::SelectObject(context, m_font.take(fields, font_fields));
    ::SetTextColor(context, system_color_of(fields.value<Color>(f::text_color)));
    ::SetBkMode(context, TRANSPARENT);
    const std::string text = text_field(fields, f::text);
    const std::int16_t align = fields.value<std::int16_t>(f::text_align);
    if (fields.flag(f::multi_line))
      draw_wrapped(context, text, align);
    else
      draw_lines(context, text, align);
  }

  void control_changed(std::int32_t) override { refresh(Bounds{}); }

 private:
  void draw_wrapped(HDC context, const std::string& text, std::int16_t align) const {
    const Bounds b = bounds();
    draw_wrapped_text(context, RECT{b.left, b.top, b.right, 32767}, text, align);
  }

  void draw_lines(HDC context, const std::string& text, std::int16_t align) const {
    const Bounds b = bounds();
    ::IntersectClipRect(context, b.left, b.top, b.right, b.bottom);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(context, &metrics);
    const UINT alignment = align == 1 ? TA_CENTER : align == 2 ? TA_RIGHT : TA_LEFT;
    const int x = align == 1 ? (b.left + b.right) / 2 : align == 2 ? b.right : b.left;
    ::SetTextAlign(context, alignment | TA_BASELINE);
    int baseline = b.top + metrics.tmAscent;
    for (const std::string& line : lines_of(text)) {
      ::TextOutA(context, x, baseline, line.c_str(), static_cast<int>(line.size()));
      baseline += metrics.tmHeight;
    }
  }

  PaneFont m_font;
};

}  // namespace

Pane* make_static_text_pane(ZObject* control, const ControlKind&) { return build_system_pane<StaticTextPane>(control); }

}  // namespace zrt
