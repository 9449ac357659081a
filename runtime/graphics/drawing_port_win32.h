// The drawing port behind every graphics object: the drawing state (pen,
// colour with 16 bits per channel, font, origin, clipping) and the device
// context it borrows from its target while it is the one current port.
// Drawing routines ask the port for a prepared context and draw on it.
#pragma once

#include "runtime/core/strings.h"
#include "runtime/graphics/colors.h"
#include "runtime/graphics/drawing_target_win32.h"
#include "runtime/graphics/font_cache.h"

#include <cstdint>
#include <memory>

namespace zrt {

struct TextMetricsCache {
  bool valid = false;
  std::int32_t ascent = 0;
  std::int32_t height = 0;
  std::int32_t external_leading = 0;
};

enum class FontStyle : std::uint8_t { Bold = 1, Italic = 2, Underline = 4 };

class DrawingPort {
 public:
  // A port on a target it does not own (a picture's surface), or on one it
  // owns (a window's), with the given font settings.
  DrawingPort(DrawingTarget* target, std::unique_ptr<DrawingTarget> owned_target);
  DrawingPort(const DrawingPort&) = delete;
  DrawingPort& operator=(const DrawingPort&) = delete;
  ~DrawingPort();

  // The port stops drawing: it gives its context back and forgets the target.
  void detach_target();
  [[nodiscard]] DrawingTarget* target() const { return m_target; }

  // Makes this the current port and gives its context, null without target.
  [[nodiscard]] HDC prepare();
  // The same with the port's font selected.
  [[nodiscard]] HDC prepare_text();
  // After drawing: the target's cached copies of its pixels go stale.
  void drew();
  // Gives the context back now if this is the current port, so the next
  // drawing call prepares it afresh (a printer's new page).
  void set_aside();

  // Select into the prepared context either a pen of ForeColor and
  // PenWidth with the null brush (outlines), or the null pen with a brush of
  // ForeColor (fills). Pen and brush are made again only when colour or
  // width change, and stay selected until the port stops being current.
  void select_outline_tools();
  void select_fill_tools();
  // The brush of ForeColor, for filling rectangles directly.
  [[nodiscard]] HBRUSH fill_brush();

  // A point given by application code, in the context's coordinates.
  [[nodiscard]] POINT device_point(std::int32_t x, std::int32_t y) const;

  [[nodiscard]] PortColor color() const { return m_color; }
  void set_color(PortColor color) { m_color = color; }
  [[nodiscard]] COLORREF system_color() const;

  [[nodiscard]] ZString* font_name() const { return m_font_name.get(); }
  void set_font_name(ZString* name);
  [[nodiscard]] std::int32_t text_size() const { return m_text_size; }
  void set_text_size(std::int32_t size);
  [[nodiscard]] bool has_style(FontStyle style) const;
  void set_style(FontStyle style, bool on);

  [[nodiscard]] std::int32_t pen_width() const { return m_pen_width; }
  void set_pen_width(std::int32_t width) { m_pen_width = width; }
  [[nodiscard]] std::int32_t pen_height() const { return m_pen_height; }
  void set_pen_height(std::int32_t height) { m_pen_height = height; }
  [[nodiscard]] POINT pen_position() const { return m_pen_position; }
  void set_pen_position(POINT position) { m_pen_position = position; }

  // Null text metrics when the port has no target.
  [[nodiscard]] const TextMetricsCache* text_metrics();
  [[nodiscard]] const FontEntry* font() const { return m_font; }

  void set_origin(std::int32_t x, std::int32_t y);
  // In application coordinates; a width or height of 0 removes the rectangle.
  void set_clip_rectangle(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
  // Takes the region over, in the context's coordinates; null removes it.
  void set_clip_region(HRGN region);

  [[nodiscard]] static DrawingPort* current();

 private:
  void become_current();
  void finish();
  void prepare_font();
  void select_font();
  void apply_clipping();
  void invalidate_font();
  void select_pen(HGDIOBJ pen);
  void select_brush(HGDIOBJ brush);
  void restore_tools();

  DrawingTarget* m_target;
  std::unique_ptr<DrawingTarget> m_owned_target;
  HDC m_context = nullptr;
  HFONT m_context_font = nullptr;  // the context's own font, put back when finishing
  HRGN m_context_clip = nullptr;   // the clipping the context came with, if any
  bool m_clip_changed = false;
  FontEntry* m_font = nullptr;
  StringRef m_font_name;
  std::int32_t m_text_size = 12;
  std::uint8_t m_style = 0;
  PortColor m_color{};
  std::int32_t m_pen_width = 1;
  std::int32_t m_pen_height = 1;  // kept and reported only
  POINT m_pen_position{0, 0};
  bool m_font_valid = false;
  TextMetricsCache m_metrics;
  POINT m_origin{0, 0};
  HRGN m_clip_rectangle = nullptr;
  HRGN m_clip_region = nullptr;
  HPEN m_pen = nullptr;
  COLORREF m_pen_color = 0;
  std::int32_t m_pen_made_width = 0;
  HBRUSH m_brush = nullptr;
  COLORREF m_brush_color = 0;
  HGDIOBJ m_selected_pen = nullptr;  // what the port put into the context, null for the context's own
  HGDIOBJ m_selected_brush = nullptr;
  HGDIOBJ m_context_pen = nullptr;
  HGDIOBJ m_context_brush = nullptr;
};

}  // namespace zrt
