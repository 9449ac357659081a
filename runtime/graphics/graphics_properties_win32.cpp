// The exported properties of graphics objects. A graphics object without a
// port (nil, or cut off with no port left) reads as 0 and ignores settings.
#include "runtime/graphics/graphics_objects_win32.h"

#include "runtime/core/objects.h"
#include "runtime/interface/exports.h"

namespace {

using zrt::DrawingPort;
using zrt::FontStyle;

std::int32_t target_size(ZObject* graphics, int (zrt::DrawingTarget::*size)() const) {
  DrawingPort* port = zrt::port_of(graphics);
  if (port == nullptr || port->target() == nullptr) return 0;
  return (port->target()->*size)();
}

std::int32_t printer_field(ZObject* graphics, std::int32_t offset) {
  return graphics == nullptr ? 0 : static_cast<std::int32_t>(*zrt::field_at(graphics, offset));
}

bool has_style(ZObject* graphics, FontStyle style) {
  DrawingPort* port = zrt::port_of(graphics);
  return port != nullptr && port->has_style(style);
}

void set_style(ZObject* graphics, FontStyle style, std::int32_t on) {
  if (DrawingPort* port = zrt::port_of(graphics)) port->set_style(style, on != 0);
}

}  // namespace

extern "C" {

std::uint32_t graphicsForeColorGetter(ZObject* graphics, std::int32_t) {
  DrawingPort* port = zrt::port_of(graphics);
  return port == nullptr ? 0 : zrt::color_of(port->color());
}

void graphicsForeColorSetter(ZObject* graphics, std::int32_t, std::uint32_t color) {
  if (DrawingPort* port = zrt::port_of(graphics)) port->set_color(zrt::port_color_of(color));
}

ZString* graphicsTextFontGetter(ZObject* graphics, std::int32_t) {
  DrawingPort* port = zrt::port_of(graphics);
  return port == nullptr ? nullptr : zrt::share_string(port->font_name());
}

void graphicsTextFontSetter(ZObject* graphics, std::int32_t, ZString* name) {
  if (DrawingPort* port = zrt::port_of(graphics)) port->set_font_name(name);
}

std::int32_t graphicsTextSizeGetter(ZObject* graphics, std::int32_t) {
  DrawingPort* port = zrt::port_of(graphics);
  return port == nullptr ? 0 : port->text_size();
}

void graphicsTextSizeSetter(ZObject* graphics, std::int32_t, std::int32_t size) {
  if (DrawingPort* port = zrt::port_of(graphics)) port->set_text_size(size);
}

std::int32_t graphicsBoldGetter(ZObject* graphics, std::int32_t) { return has_style(graphics, FontStyle::Bold); }
void graphicsBoldSetter(ZObject* graphics, std::int32_t, std::int32_t on) { set_style(graphics, FontStyle::Bold, on); }
std::int32_t graphicsItalicGetter(ZObject* graphics, std::int32_t) { return has_style(graphics, FontStyle::Italic); }
void graphicsItalicSetter(ZObject* graphics, std::int32_t, std::int32_t on) {
  set_style(graphics, FontStyle::Italic, on);
}
std::int32_t graphicsUnderlineGetter(ZObject* graphics, std::int32_t) {
  return has_style(graphics, FontStyle::Underline);
}
void graphicsUnderlineSetter(ZObject* graphics, std::int32_t, std::int32_t on) {
  set_style(graphics, FontStyle::Underline, on);
}

std::int32_t graphicsPenWidthGetter(ZObject* graphics, std::int32_t) {
  DrawingPort* port = zrt::port_of(graphics);
  return port == nullptr ? 0 : port->pen_width();
}

void graphicsPenWidthSetter(ZObject* graphics, std::int32_t, std::int32_t width) {
  if (DrawingPort* port = zrt::port_of(graphics)) port->set_pen_width(width);
}

// Kept and reported only: lines take their thickness from the pen width.
std::int32_t graphicsPenHeightGetter(ZObject* graphics, std::int32_t) {
  DrawingPort* port = zrt::port_of(graphics);
  return port == nullptr ? 0 : port->pen_height();
}

void graphicsPenHeightSetter(ZObject* graphics, std::int32_t, std::int32_t height) {
  if (DrawingPort* port = zrt::port_of(graphics)) port->set_pen_height(height);
}

std::int32_t graphicsWidthGetter(ZObject* graphics, std::int32_t) {
  return target_size(graphics, &zrt::DrawingTarget::width);
}

std::int32_t graphicsHeightGetter(ZObject* graphics, std::int32_t) {
  return target_size(graphics, &zrt::DrawingTarget::height);
}

std::int32_t graphicsCopiesGetter(ZObject* graphics, std::int32_t) {
  return printer_field(graphics, zif::graphics_fields::copies);
}

std::int32_t graphicsFirstPageGetter(ZObject* graphics, std::int32_t) {
  return printer_field(graphics, zif::graphics_fields::first_page);
}

std::int32_t graphicsLastPageGetter(ZObject* graphics, std::int32_t) {
  return printer_field(graphics, zif::graphics_fields::last_page);
}

}
