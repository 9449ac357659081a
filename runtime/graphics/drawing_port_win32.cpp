// The drawing port: switching the one current port, borrowing and giving
// back device contexts, lazy font preparation through the font cache, cached
// text metrics, the origin and the clip regions.
#include "runtime/graphics/drawing_port_win32.h"

#include <utility>

namespace zrt {
namespace {

DrawingPort* g_current_port = nullptr;

constexpr std::uint8_t style_bit(FontStyle style) { return static_cast<std::uint8_t>(style); }

void delete_region(HRGN& region) {
  if (region != nullptr) ::DeleteObject(region);
  region = nullptr;
}

}  // namespace

DrawingPort::DrawingPort(DrawingTarget* target, std::unique_ptr<DrawingTarget> owned_target)
    : m_target(owned_target != nullptr ? owned_target.get() : target),
      m_owned_target(std::move(owned_target)),
      m_font_name(StringRef::adopt(make_string("System"))) {}

DrawingPort::~DrawingPort() {
  detach_target();
  release_font(m_font);
  delete_region(m_clip_rectangle);
  delete_region(m_clip_region);
  if (m_pen != nullptr) ::DeleteObject(m_pen);
  if (m_brush != nullptr) ::DeleteObject(m_brush);
}

DrawingPort* DrawingPort::current() { return g_current_port; }

void DrawingPort::detach_target() {
  set_aside();
  m_target = nullptr;
  m_owned_target.reset();
}

HDC DrawingPort::prepare() {
  if (m_target == nullptr) return nullptr;
  if (g_current_port != this) become_current();
  return m_context;
}

HDC DrawingPort::prepare_text() {
  HDC context = prepare();
  if (context != nullptr && !m_font_valid) prepare_font();
  return context;
}

void DrawingPort::drew() {
  if (m_target != nullptr) m_target->pixels_changed();
}

void DrawingPort::set_aside() {
  if (g_current_port == this) finish();
}

void DrawingPort::become_current() {
  if (g_current_port != nullptr) g_current_port->finish();
  m_context = m_target->acquire_context();
  if (m_context == nullptr) return;  // not current: the next call tries again
  g_current_port = this;
  m_context_clip = ::CreateRectRgn(0, 0, 0, 0);
  if (::GetClipRgn(m_context, m_context_clip) != 1) delete_region(m_context_clip);
  ::SetBkMode(m_context, TRANSPARENT);
  m_context_font = nullptr;
  if (m_font != nullptr) select_font();
  apply_clipping();
}

// Undoes what the port changed on the context and hands it back.
void DrawingPort::finish() {
  if (m_clip_changed) ::SelectClipRgn(m_context, m_context_clip);
  m_clip_changed = false;
  delete_region(m_context_clip);
  if (m_context_font != nullptr) ::SelectObject(m_context, m_context_font);
  m_context_font = nullptr;
  restore_tools();
  m_target->release_context(m_context);
  m_context = nullptr;
  g_current_port = nullptr;
}

void DrawingPort::select_font() {
  HGDIOBJ previous = ::SelectObject(m_context, static_cast<HFONT>(system_font_of(m_font)));
  if (m_context_font == nullptr) m_context_font = static_cast<HFONT>(previous);
}

void DrawingPort::prepare_font() {
  const FontRequest request{string_text(m_font_name.get()), m_text_size, has_style(FontStyle::Bold),
                            has_style(FontStyle::Italic), has_style(FontStyle::Underline)};
  FontEntry* font = acquire_font(request);
  // A font the system cannot make leaves the one in use; it is not asked for
  // again until the settings change.
  m_font_valid = true;
  if (font == nullptr) return;
  release_font(std::exchange(m_font, font));
  select_font();
  m_metrics.valid = false;
}

const TextMetricsCache* DrawingPort::text_metrics() {
  HDC context = prepare_text();
  if (context == nullptr) return nullptr;
  if (!m_metrics.valid) {
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(context, &metrics);
    m_metrics = {true, metrics.tmAscent, metrics.tmHeight, metrics.tmExternalLeading};
  }
  return &m_metrics;
}

void DrawingPort::invalidate_font() {
  m_font_valid = false;
  m_metrics.valid = false;
}

void DrawingPort::set_font_name(ZString* name) {
  m_font_name = StringRef::share(name);
  invalidate_font();
}

void DrawingPort::set_text_size(std::int32_t size) {
  m_text_size = size;
  invalidate_font();
}

bool DrawingPort::has_style(FontStyle style) const { return (m_style & style_bit(style)) != 0; }

void DrawingPort::set_style(FontStyle style, bool on) {
  m_style = static_cast<std::uint8_t>(on ? m_style | style_bit(style) : m_style & ~style_bit(style));
  invalidate_font();
}

void DrawingPort::select_pen(HGDIOBJ pen) {
  if (pen == m_selected_pen) return;
  HGDIOBJ previous = ::SelectObject(m_context, pen);
  if (m_selected_pen == nullptr) m_context_pen = previous;
  m_selected_pen = pen;
}

void DrawingPort::select_brush(HGDIOBJ brush) {
  if (brush == m_selected_brush) return;
  HGDIOBJ previous = ::SelectObject(m_context, brush);
  if (m_selected_brush == nullptr) m_context_brush = previous;
  m_selected_brush = brush;
}

void DrawingPort::restore_tools() {
  if (m_selected_pen != nullptr) ::SelectObject(m_context, m_context_pen);
  if (m_selected_brush != nullptr) ::SelectObject(m_context, m_context_brush);
  m_selected_pen = m_selected_brush = m_context_pen = m_context_brush = nullptr;
}

void DrawingPort::select_outline_tools() {
  const COLORREF color = system_color();
  HPEN stale = nullptr;
  if (m_pen == nullptr || m_pen_color != color || m_pen_made_width != m_pen_width) {
    stale = std::exchange(m_pen, ::CreatePen(PS_SOLID, m_pen_width, color));
    m_pen_color = color;
    m_pen_made_width = m_pen_width;
  }
  select_pen(m_pen);
  select_brush(::GetStockObject(NULL_BRUSH));
  if (stale != nullptr) ::DeleteObject(stale);  // selected nowhere any more
}

HBRUSH DrawingPort::fill_brush() {
  const COLORREF color = system_color();
  if (m_brush != nullptr && m_brush_color == color) return m_brush;
  HBRUSH stale = std::exchange(m_brush, ::CreateSolidBrush(color));
  m_brush_color = color;
  if (stale != nullptr && m_selected_brush == stale) select_brush(m_brush);
  if (stale != nullptr) ::DeleteObject(stale);
  return m_brush;
}

void DrawingPort::select_fill_tools() {
  select_brush(fill_brush());
  select_pen(::GetStockObject(NULL_PEN));
}

COLORREF DrawingPort::system_color() const {
  return RGB(m_color.red >> 8, m_color.green >> 8, m_color.blue >> 8);
}

POINT DrawingPort::device_point(std::int32_t x, std::int32_t y) const {
  const POINT offset = m_target != nullptr ? m_target->offset() : POINT{0, 0};
  return {x + offset.x - m_origin.x, y + offset.y - m_origin.y};
}

void DrawingPort::set_origin(std::int32_t x, std::int32_t y) { m_origin = {x, y}; }

void DrawingPort::set_clip_rectangle(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  delete_region(m_clip_rectangle);
  if (width != 0 && height != 0) {
    const POINT corner = device_point(x, y);
    m_clip_rectangle = ::CreateRectRgn(corner.x, corner.y, corner.x + width, corner.y + height);
  }
  if (g_current_port == this) apply_clipping();
}

void DrawingPort::set_clip_region(HRGN region) {
  delete_region(m_clip_region);
  m_clip_region = region;
  if (g_current_port == this) apply_clipping();
}

// The context's own clipping intersected with the port's rectangle and region.
void DrawingPort::apply_clipping() {
  if (m_clip_rectangle == nullptr && m_clip_region == nullptr) {
    if (m_clip_changed) ::SelectClipRgn(m_context, m_context_clip);
    m_clip_changed = false;
    return;
  }
  HRGN combined = ::CreateRectRgn(0, 0, 0, 0);
  ::CombineRgn(combined, m_clip_rectangle != nullptr ? m_clip_rectangle : m_clip_region, nullptr, RGN_COPY);
  if (m_clip_rectangle != nullptr && m_clip_region != nullptr)
    ::CombineRgn(combined, combined, m_clip_region, RGN_AND);
  if (m_context_clip != nullptr) ::CombineRgn(combined, combined, m_context_clip, RGN_AND);
  ::SelectClipRgn(m_context, combined);
  ::DeleteObject(combined);
  m_clip_changed = true;
}

}  // namespace zrt
