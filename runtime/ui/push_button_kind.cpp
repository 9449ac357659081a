// The push button as a kind: its descriptor and its routines.
#include "runtime/core/events.h"
#include "runtime/interface/control_layout.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/control_kinds.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/control_panes.h"
#include "runtime/ui/control_setters.h"

namespace zrt {
namespace {

namespace f = zif::push_button_fields;

constexpr std::int32_t strings[] = {f::caption, f::text_font};

}  // namespace

const ControlKind push_button_kind{"PushButton", strings, {}, &make_push_button_pane};

}  // namespace zrt

using namespace zrt;
namespace button = zif::push_button_fields;

extern "C" {

void pushButtonTitleSetter(ZObject* b, std::int32_t, ZString* text) { store_string_and_tell(b, button::caption, text); }
void pushButtonDefaultSetter(ZObject* b, std::int32_t, std::int32_t value) {
  store_flag_and_tell(b, button::is_default, value);
}
void pushButtonCancelSetter(ZObject* b, std::int32_t, std::int32_t value) {
  store_flag_and_tell(b, button::is_cancel, value);
}
void pushButtonTextFontSetter(ZObject* b, std::int32_t, ZString* name) {
  store_string_and_tell(b, button::text_font, name);
}
void pushButtonTextSizeSetter(ZObject* b, std::int32_t, std::int32_t size) {
  store_short_and_tell(b, button::text_size, size);
}
void pushButtonAttributeSetter(ZObject* b, std::int32_t field, std::int32_t value) {
  store_flag_and_tell(b, field, value);
}

// Push runs the click path without a visual press: only an enabled button
// on screen raises Action.
void pushButtonPush(ZObject* b) {
  Pane* pane = control_fields_of(b).pane();
  if (pane != nullptr && pane->enabled()) raise_event(b, {"PushButton", "Action"});
}

}  // extern "C"
