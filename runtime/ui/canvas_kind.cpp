// The canvas as a kind: its descriptor and its routines.
#include "runtime/interface/control_layout.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/control_kinds.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/control_panes.h"
#include "runtime/ui/control_setters.h"

namespace zrt {
namespace {

namespace f = zif::canvas_fields;

constexpr std::int32_t references[] = {f::backdrop, f::graphics};

}  // namespace

const ControlKind canvas_kind{"Canvas", {}, references, &make_canvas_pane};

}  // namespace zrt

using namespace zrt;
namespace canvas = zif::canvas_fields;

extern "C" {

// One graphics object per canvas, made with the pane and kept by the
// canvas; each call hands out a new reference to it.
ZObject* canvasGraphicsGetter(ZObject* c, std::int32_t) {
  const ControlFields fields = control_fields_of(c);
  Pane* pane = fields.pane();
  if (pane == nullptr) return nullptr;
  if (fields.reference(canvas::graphics) == nullptr) {
    const ObjectRef made = ObjectRef::adopt(pane->make_graphics());
    fields.store_reference(canvas::graphics, made.get());
  }
  return share_object(fields.reference(canvas::graphics));
}

void canvasBackdropSetter(ZObject* c, std::int32_t, ZObject* picture) {
  store_reference_and_tell(c, canvas::backdrop, picture);
}

}  // extern "C"
