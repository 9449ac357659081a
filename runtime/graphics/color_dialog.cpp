// The colour dialog seam: the installed chooser or the system's.
#include "runtime/graphics/color_dialog.h"

#include <utility>

namespace zrt {
namespace {

ColorChooser g_chooser = nullptr;

}  // namespace

bool choose_color(std::uint32_t& system_color) {
  return (g_chooser != nullptr ? g_chooser : system_color_chooser())(system_color);
}

ColorChooser set_color_chooser(ColorChooser chooser) {
  ColorChooser previous = std::exchange(g_chooser, chooser);
  return previous != nullptr ? previous : system_color_chooser();
}

}  // namespace zrt
