// The group box as a kind: its descriptor and its setters.
#include "runtime/interface/control_layout.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/control_kinds.h"
#include "runtime/ui/control_panes.h"
#include "runtime/ui/control_setters.h"

namespace zrt {
namespace {

namespace f = zif::group_box_fields;

constexpr std::int32_t strings[] = {f::caption, f::text_font};

}  // namespace

const ControlKind group_box_kind{"GroupBox", strings, {}, &make_group_box_pane};

}  // namespace zrt

using namespace zrt;
namespace group = zif::group_box_fields;

extern "C" {

void groupBoxCaptionSetter(ZObject* g, std::int32_t, ZString* text) { store_string_and_tell(g, group::caption, text); }
void groupBoxTextFontSetter(ZObject* g, std::int32_t, ZString* name) {
  store_string_and_tell(g, group::text_font, name);
}
void groupBoxTextSizeSetter(ZObject* g, std::int32_t, std::int32_t size) {
  store_short_and_tell(g, group::text_size, size);
}
void groupBoxAttributeSetter(ZObject* g, std::int32_t field, std::int32_t value) { store_flag_and_tell(g, field, value); }

}  // extern "C"
