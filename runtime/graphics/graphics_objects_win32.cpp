// Making graphics objects around drawing ports and destroying the port with
// the object.
#include "runtime/graphics/graphics_objects_win32.h"

#include "runtime/core/native_destructors.h"
#include "runtime/core/objects.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/graphics/drawing_geometry.h"
#include "runtime/interface/exports.h"

namespace zrt {
namespace {

void destroy_port(ZObject* graphics) {
  Word* field = field_at(graphics, zif::graphics_fields::port);
  delete pointer_of<DrawingPort>(*field);
  *field = 0;
}

ZObject* graphics_on(DrawingPort* port) {
  set_native_destructor("Graphics", &destroy_port);
  ZObject* graphics = new_instance(runtime_class("Graphics"));
  *field_at(graphics, zif::graphics_fields::port) = word_of_pointer(port);
  return graphics;
}

}  // namespace

ZObject* new_graphics(DrawingTarget& target) { return graphics_on(new DrawingPort(&target, nullptr)); }

ZObject* new_graphics(std::unique_ptr<DrawingTarget> target, const FontRequest& font) {
  auto* port = new DrawingPort(nullptr, std::move(target));
  port->set_font_name(StringRef::adopt(make_string(font.name)).get());
  port->set_text_size(font.size);
  port->set_style(FontStyle::Bold, font.bold);
  port->set_style(FontStyle::Italic, font.italic);
  port->set_style(FontStyle::Underline, font.underline);
  return graphics_on(port);
}

DrawingPort* port_of(ZObject* graphics) {
  if (graphics == nullptr) return nullptr;
  return pointer_of<DrawingPort>(*field_at(graphics, zif::graphics_fields::port));
}

void cut_graphics_off(ZObject* graphics) {
  if (DrawingPort* port = port_of(graphics)) port->detach_target();
}

void draw_backdrop(ZObject* graphics, ZObject* picture) {
  if (picture == nullptr) return;
  constexpr std::int32_t own_size = default_size_request;
  RuntimeGraphicsDrawPicture(graphics, picture, 0, 0, own_size, own_size, 0, 0, own_size, own_size);
}

}  // namespace zrt
