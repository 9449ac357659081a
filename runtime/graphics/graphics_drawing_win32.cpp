// The exported drawing routines of graphics objects: lines, rectangles,
// ovals, round rectangles, text, pictures, pixels and pages. Each makes its
// port current, draws through GDI and tells the target its pixels changed;
// a port without target draws nothing and measures 0.
#include "runtime/core/objects.h"
#include "runtime/graphics/graphics_objects_win32.h"
#include "runtime/graphics/pictures_win32.h"
#include "runtime/graphics/wrapped_text_win32.h"
#include "runtime/interface/exports.h"

#include <array>

namespace {

using zrt::DrawingPort;

RECT device_rect(const DrawingPort& port, const zrt::Corners& corners) {
  const POINT top_left = port.device_point(corners.left, corners.top);
  const POINT bottom_right = port.device_point(corners.right, corners.bottom);
  return {top_left.x, top_left.y, bottom_right.x, bottom_right.y};
}

// Runs the drawing on the port's prepared context, if it has one.
template <typename Draw>
void draw_on(ZObject* graphics, Draw draw) {
  DrawingPort* port = zrt::port_of(graphics);
  if (port == nullptr) return;
  HDC context = port->prepare();
  if (context == nullptr) return;
  draw(*port, context);
  port->drew();
}

// One call for the whole path: under Wine each GDI call costs more than the
// pixels of a short line. As with LineTo, the last point is not set.
template <std::size_t Count>
void polyline(HDC context, const DrawingPort& port, const std::array<POINT, Count>& points) {
  std::array<POINT, Count> device{};
  for (std::size_t i = 0; i < Count; ++i) device[i] = port.device_point(points[i].x, points[i].y);
  ::Polyline(context, device.data(), static_cast<int>(Count));
}

void fill_area(ZObject* graphics, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               HBRUSH stock_brush) {
  // Columns x to x + width - 1 and rows y to y + height - 1: a rectangle
  // given the wrong way round fills nothing, whatever the system would do.
  if (width <= 0 || height <= 0) return;
  draw_on(graphics, [&](DrawingPort& port, HDC context) {
    const RECT area = device_rect(port, {x, y, zrt::far_edge(x, width), zrt::far_edge(y, height)});
    ::FillRect(context, &area, stock_brush != nullptr ? stock_brush : port.fill_brush());
  });
}

// An oval or round rectangle in the normalised rectangle, outlined or filled.
template <typename Shape>
void draw_shape(ZObject* graphics, bool filled, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height, Shape shape) {
  draw_on(graphics, [&](DrawingPort& port, HDC context) {
    if (filled) {
      port.select_fill_tools();
    } else {
      port.select_outline_tools();
    }
    shape(context, device_rect(port, zrt::normalized_corners(x, y, width, height)));
  });
}

void oval(HDC context, const RECT& area) { ::Ellipse(context, area.left, area.top, area.right, area.bottom); }

auto round_rect(std::int32_t oval_width, std::int32_t oval_height) {
  return [oval_width, oval_height](HDC context, const RECT& area) {
    ::RoundRect(context, area.left, area.top, area.right, area.bottom, oval_width, oval_height);
  };
}

void draw_text(DrawingPort& port, HDC context, std::string_view text, std::int32_t x, std::int32_t y,
               std::int32_t wrap_width) {
  const POINT at = port.device_point(x, y);
  if (wrap_width == 0) {
    ::TextOutA(context, at.x, at.y, text.data(), static_cast<int>(text.size()));
    return;
  }
  const zrt::TextMetricsCache* metrics = port.text_metrics();
  const RECT box{at.x, at.y - (metrics != nullptr ? metrics->ascent : 0), at.x + wrap_width, 32767};
  zrt::draw_wrapped_text(context, box, text, 0);
}

}  // namespace

extern "C" {

void RuntimeGraphicsDrawLine(ZObject* graphics, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  draw_on(graphics, [&](DrawingPort& port, HDC context) {
    port.select_outline_tools();
    polyline<2>(context, port, {{{x1, y1}, {x2, y2}}});
    port.set_pen_position({x2, y2});
  });
}

void RuntimeGraphicsDrawRect(ZObject* graphics, std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height) {
  draw_on(graphics, [&](DrawingPort& port, HDC context) {
    port.select_outline_tools();
    const std::int32_t right = zrt::far_edge(x, width);
    const std::int32_t bottom = zrt::far_edge(y, height);
    polyline<5>(context, port, {{{x, y}, {right, y}, {right, bottom}, {x, bottom}, {x, y}}});
    port.set_pen_position({x, y});
  });
}

void RuntimeGraphicsFillRect(ZObject* graphics, std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height) {
  fill_area(graphics, x, y, width, height, nullptr);
}

void RuntimeGraphicsClearRect(ZObject* graphics, std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height) {
  fill_area(graphics, x, y, width, height, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
}

void RuntimeGraphicsDrawOval(ZObject* graphics, std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height) {
  draw_shape(graphics, false, x, y, width, height, oval);
}

void RuntimeGraphicsFillOval(ZObject* graphics, std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height) {
  draw_shape(graphics, true, x, y, width, height, oval);
}

void RuntimeGraphicsDrawRoundRect(ZObject* graphics, std::int32_t x, std::int32_t y, std::int32_t width,
                                  std::int32_t height, std::int32_t oval_width, std::int32_t oval_height) {
  draw_shape(graphics, false, x, y, width, height, round_rect(oval_width, oval_height));
}

void RuntimeGraphicsFillRoundRect(ZObject* graphics, std::int32_t x, std::int32_t y, std::int32_t width,
                                  std::int32_t height, std::int32_t oval_width, std::int32_t oval_height) {
  draw_shape(graphics, true, x, y, width, height, round_rect(oval_width, oval_height));
}

void RuntimeGraphicsDrawString(ZObject* graphics, ZString* text, std::int32_t x, std::int32_t y,
                               std::int32_t wrap_width) {
  if (text == nullptr) return;
  DrawingPort* port = zrt::port_of(graphics);
  if (port == nullptr) return;
  HDC context = port->prepare_text();
  if (context == nullptr) return;
  const COLORREF previous = ::SetTextColor(context, port->system_color());
  draw_text(*port, context, zrt::string_text(text), x, y, wrap_width);
  ::SetTextColor(context, previous);
  port->drew();
}

std::int32_t RuntimeGraphicsStringWidth(ZObject* graphics, ZString* text) {
  DrawingPort* port = zrt::port_of(graphics);
  if (port == nullptr || text == nullptr) return 0;
  HDC context = port->prepare_text();
  if (context == nullptr) return 0;
  const std::string_view bytes = zrt::string_text(text);
  SIZE extent{};
  ::GetTextExtentPoint32A(context, bytes.data(), static_cast<int>(bytes.size()), &extent);
  return extent.cx;
}

std::int32_t RuntimeGraphicsTextHeight(ZObject* graphics) {
  DrawingPort* port = zrt::port_of(graphics);
  const zrt::TextMetricsCache* metrics = port == nullptr ? nullptr : port->text_metrics();
  return metrics == nullptr ? 0 : metrics->height;
}

std::int32_t RuntimeGraphicsTextAscent(ZObject* graphics) {
  DrawingPort* port = zrt::port_of(graphics);
  const zrt::TextMetricsCache* metrics = port == nullptr ? nullptr : port->text_metrics();
  return metrics == nullptr ? 0 : metrics->ascent;
}

void RuntimeGraphicsDrawPicture(ZObject* graphics, ZObject* picture, std::int32_t x, std::int32_t y,
                                std::int32_t width, std::int32_t height, std::int32_t source_x,
                                std::int32_t source_y, std::int32_t source_width, std::int32_t source_height) {
  zrt::BitmapSurface* surface = zrt::surface_of(picture);
  if (surface == nullptr) return;
  draw_on(graphics, [&](DrawingPort& port, HDC context) {
    zrt::PictureCopy copy = zrt::resolve_picture_copy({x, y, width, height},
                                                      {source_x, source_y, source_width, source_height},
                                                      surface->width(), surface->height());
    const POINT at = port.device_point(copy.destination.x, copy.destination.y);
    copy.destination.x = at.x;
    copy.destination.y = at.y;
    surface->draw_into(context, copy, zrt::is_transparent(picture));
  });
}

// Outside the drawing area, or without a target, a pixel reads as 0.
std::uint32_t graphicsPixelGetter(ZObject* graphics, std::int32_t x, std::int32_t y) {
  DrawingPort* port = zrt::port_of(graphics);
  HDC context = port == nullptr ? nullptr : port->prepare();
  if (context == nullptr) return 0;
  ::GdiFlush();
  const POINT at = port->device_point(x, y);
  const COLORREF pixel = ::GetPixel(context, at.x, at.y);
  return pixel == CLR_INVALID ? 0 : zrt::color_of_system(pixel);
}

void graphicsPixelSetter(ZObject* graphics, std::int32_t x, std::int32_t y, std::uint32_t color) {
  draw_on(graphics, [&](DrawingPort& port, HDC context) {
    const POINT at = port.device_point(x, y);
    ::SetPixelV(context, at.x, at.y, zrt::system_color_of(color));
  });
}

// The port lets go of the context first: a new page may start with the
// context's objects and mapping reset, and the port selects its own again.
void RuntimeGraphicsNextPage(ZObject* graphics) {
  DrawingPort* port = zrt::port_of(graphics);
  if (port == nullptr || port->target() == nullptr) return;
  port->set_aside();
  port->target()->next_page();
}

// Alert icons belong to another platform's drawing model: they draw nothing.
void graphicsDrawStopIcon(ZObject*, std::int32_t, std::int32_t) {}
void graphicsDrawNoteIcon(ZObject*, std::int32_t, std::int32_t) {}
void graphicsDrawCautionIcon(ZObject*, std::int32_t, std::int32_t) {}

}
