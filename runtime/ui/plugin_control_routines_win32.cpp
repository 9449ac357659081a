// The routines plug-ins call to draw their controls: the control's
// rectangle and the device context behind a graphics object.
#include "runtime/core/pointer_words.h"
#include "runtime/graphics/graphics_objects_win32.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/control_object.h"

extern "C" {

void GetControlBounds(ZObject* control, void* rectangle) {
  if (control == nullptr || rectangle == nullptr) return;
  const zrt::Bounds bounds = zrt::ControlFields(control).bounds();
  auto* words = static_cast<std::int16_t*>(rectangle);
  words[0] = bounds.top;
  words[1] = bounds.left;
  words[2] = bounds.bottom;
  words[3] = bounds.right;
}

std::uint32_t ZOLTGraphicsDC(ZObject* graphics) {
  zrt::DrawingPort* port = zrt::port_of(graphics);
  return port == nullptr ? 0 : zrt::word_of_pointer(port->prepare());
}

}  // extern "C"
