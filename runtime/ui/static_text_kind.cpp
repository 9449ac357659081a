// The static text as a kind: its descriptor and its setters.
#include "runtime/interface/control_layout.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/control_kinds.h"
#include "runtime/ui/control_panes.h"
#include "runtime/ui/control_setters.h"

namespace zrt {
namespace {

namespace f = zif::static_text_fields;

constexpr std::int32_t strings[] = {f::text_font, f::text};

}  // namespace

const ControlKind static_text_kind{"StaticText", strings, {}, &make_static_text_pane};

}  // namespace zrt

using namespace zrt;
namespace label = zif::static_text_fields;

extern "C" {

void staticCaptionSetter(ZObject* t, std::int32_t, ZString* text) { store_string_and_tell(t, label::text, text); }
void staticTextAlignSetter(ZObject* t, std::int32_t, std::int32_t align) {
  store_short_and_tell(t, label::text_align, align);
}
void staticTextColorSetter(ZObject* t, std::int32_t, std::uint32_t color) {
  store_word_and_tell(t, label::text_color, color);
}
void staticTextFontSetter(ZObject* t, std::int32_t, ZString* name) { store_string_and_tell(t, label::text_font, name); }
void staticTextSizeSetter(ZObject* t, std::int32_t, std::int32_t size) {
  store_short_and_tell(t, label::text_size, size);
}
void staticAttributeSetter(ZObject* t, std::int32_t field, std::int32_t value) { store_flag_and_tell(t, field, value); }

}  // extern "C"
