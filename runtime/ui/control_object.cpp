#include "runtime/ui/control_object.h"

#include "runtime/core/exceptions.h"
#include "runtime/core/runtime_classes.h"

#include <initializer_list>
#include <string_view>

namespace zrt {
namespace {

// The counted fields of each control class, beyond those of its base.
struct CountedFields {
  std::string_view class_name;
  std::initializer_list<std::int32_t> strings;
  std::initializer_list<std::int32_t> references;
};

const CountedFields counted_fields[] = {
    {"Control",
     {zif::control_fields::name, zif::control_fields::balloon_help, zif::control_fields::disabled_balloon_help},
     {zif::control_fields::mouse_cursor}},
    {"PushButton", {zif::push_button_fields::caption, zif::push_button_fields::text_font}, {}},
    {"StaticText", {zif::static_text_fields::text_font, zif::static_text_fields::text}, {}},
    {"GroupBox", {zif::group_box_fields::caption, zif::group_box_fields::text_font}, {}},
    {"Canvas", {}, {zif::canvas_fields::backdrop, zif::canvas_fields::graphics}},
};

}  // namespace

void release_control_fields(ZObject* control) {
  const ControlFields fields(control);
  for (const CountedFields& kind : counted_fields) {
    if (!class_inherits(class_of(control), &runtime_class(kind.class_name))) continue;
    for (std::int32_t offset : kind.strings) fields.store_string(offset, nullptr);
    for (std::int32_t offset : kind.references) fields.store_reference(offset, nullptr);
  }
}

Locks ControlFields::locks() const {
  return {flag(zif::control_fields::lock_left), flag(zif::control_fields::lock_top),
          flag(zif::control_fields::lock_right), flag(zif::control_fields::lock_bottom)};
}

ControlFields control_fields_of(ZObject* control) {
  if (control == nullptr) raise_new_exception("NilObjectException");
  return ControlFields(control);
}

bool is_control_of_kind(const ZObject* object, std::string_view kind) {
  return object != nullptr && class_inherits(class_of(object), &runtime_class(kind));
}

bool is_control(const ZObject* object) { return is_control_of_kind(object, "Control"); }

bool is_canvas(const ZObject* object) { return is_control_of_kind(object, "Canvas"); }

}  // namespace zrt
