#include "runtime/ui/control_setters.h"

#include "runtime/ui/control_object.h"

namespace zrt {
namespace {

void tell(const ControlFields& control, std::int32_t field) {
  if (Pane* pane = control.pane()) pane->control_changed(field);
}

}  // namespace

void store_string_and_tell(ZObject* control, std::int32_t field, ZString* value) {
  const ControlFields fields = control_fields_of(control);
  fields.store_string(field, value);
  tell(fields, field);
}

void store_reference_and_tell(ZObject* control, std::int32_t field, ZObject* value) {
  const ControlFields fields = control_fields_of(control);
  fields.store_reference(field, value);
  tell(fields, field);
}

void store_short_and_tell(ZObject* control, std::int32_t field, std::int32_t value) {
  const ControlFields fields = control_fields_of(control);
  fields.set_value(field, static_cast<std::int16_t>(value));
  tell(fields, field);
}

void store_flag_and_tell(ZObject* control, std::int32_t field, std::int32_t value) {
  const ControlFields fields = control_fields_of(control);
  fields.set_flag(field, value != 0);
  tell(fields, field);
}

void store_word_and_tell(ZObject* control, std::int32_t field, std::uint32_t value) {
  const ControlFields fields = control_fields_of(control);
  if (fields.value<std::uint32_t>(field) == value) return;
  fields.set_value(field, value);
  tell(fields, field);
}

}  // namespace zrt
