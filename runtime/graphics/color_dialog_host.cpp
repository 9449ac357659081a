// Without Windows there is no colour dialog: every request is cancelled.
#include "runtime/graphics/color_dialog.h"

namespace zrt {
namespace {

bool cancel_choice(std::uint32_t&) { return false; }

}  // namespace

ColorChooser system_color_chooser() { return &cancel_choice; }

}  // namespace zrt
