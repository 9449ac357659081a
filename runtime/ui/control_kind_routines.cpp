// The routines of the push button, static text, group box and canvas: each
// setter stores into the control and, when the control has a pane, tells
// the pane which field changed.
#include "runtime/core/events.h"
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/control_object.h"

namespace zrt {
namespace {

void changed(const ControlFields& control, std::int32_t field) {
  if (Pane* pane = control.pane()) pane->control_changed(field);
}

void store_string(ZObject* control, std::int32_t field, ZString* value) {
  const ControlFields fields = control_fields_of(control);
  fields.store_string(field, value);
  changed(fields, field);
}

void store_short(ZObject* control, std::int32_t field, std::int32_t value) {
  const ControlFields fields = control_fields_of(control);
  fields.set_value(field, static_cast<std::int16_t>(value));
  changed(fields, field);
}

void store_flag(ZObject* control, std::int32_t field, std::int32_t value) {
  const ControlFields fields = control_fields_of(control);
  fields.set_flag(field, value != 0);
  changed(fields, field);
}

}  // namespace
}  // namespace zrt

using namespace zrt;
namespace button = zif::push_button_fields;
namespace label = zif::static_text_fields;

extern "C" {

void pushButtonTitleSetter(ZObject* b, std::int32_t, ZString* text) { store_string(b, button::caption, text); }
void pushButtonDefaultSetter(ZObject* b, std::int32_t, std::int32_t value) {
  store_flag(b, button::is_default, value);
}
void pushButtonCancelSetter(ZObject* b, std::int32_t, std::int32_t value) { store_flag(b, button::is_cancel, value); }
void pushButtonTextFontSetter(ZObject* b, std::int32_t, ZString* name) { store_string(b, button::text_font, name); }
void pushButtonTextSizeSetter(ZObject* b, std::int32_t, std::int32_t size) { store_short(b, button::text_size, size); }
void pushButtonAttributeSetter(ZObject* b, std::int32_t field, std::int32_t value) { store_flag(b, field, value); }

// Push runs the click path without a visual press: only an enabled button
// on screen raises Action.
void pushButtonPush(ZObject* b) {
  Pane* pane = control_fields_of(b).pane();
  if (pane != nullptr && pane->enabled()) raise_event(b, "Action");
}

void staticCaptionSetter(ZObject* t, std::int32_t, ZString* text) { store_string(t, label::text, text); }
void staticTextAlignSetter(ZObject* t, std::int32_t, std::int32_t align) { store_short(t, label::text_align, align); }
void staticTextColorSetter(ZObject* t, std::int32_t, std::uint32_t color) {
  const ControlFields fields = control_fields_of(t);
  if (fields.value<std::uint32_t>(label::text_color) == color) return;
  fields.set_value(label::text_color, color);
  changed(fields, label::text_color);
}
void staticTextFontSetter(ZObject* t, std::int32_t, ZString* name) { store_string(t, label::text_font, name); }
void staticTextSizeSetter(ZObject* t, std::int32_t, std::int32_t size) { store_short(t, label::text_size, size); }
void staticAttributeSetter(ZObject* t, std::int32_t field, std::int32_t value) { store_flag(t, field, value); }

void groupBoxCaptionSetter(ZObject* g, std::int32_t, ZString* text) {
  store_string(g, zif::group_box_fields::caption, text);
}
void groupBoxTextFontSetter(ZObject* g, std::int32_t, ZString* name) {
  store_string(g, zif::group_box_fields::text_font, name);
}
void groupBoxTextSizeSetter(ZObject* g, std::int32_t, std::int32_t size) {
  store_short(g, zif::group_box_fields::text_size, size);
}
void groupBoxAttributeSetter(ZObject* g, std::int32_t field, std::int32_t value) { store_flag(g, field, value); }

// One graphics object per canvas, made with the pane and kept by the
// canvas; each call hands out a new reference to it.
ZObject* canvasGraphicsGetter(ZObject* c, std::int32_t) {
  const ControlFields fields = control_fields_of(c);
  Pane* pane = fields.pane();
  if (pane == nullptr) return nullptr;
  if (fields.reference(zif::canvas_fields::graphics) == nullptr) {
    const ObjectRef made = ObjectRef::adopt(pane->make_graphics());
    fields.store_reference(zif::canvas_fields::graphics, made.get());
  }
  return share_object(fields.reference(zif::canvas_fields::graphics));
}

void canvasBackdropSetter(ZObject* c, std::int32_t, ZObject* picture) {
  const ControlFields fields = control_fields_of(c);
  fields.store_reference(zif::canvas_fields::backdrop, picture);
  changed(fields, zif::canvas_fields::backdrop);
}

}  // extern "C"
