// The system colour dialog behind the colour seam.
#include "runtime/graphics/color_dialog.h"

#include "runtime/core/window_hooks.h"

#include <windows.h>
#include <commdlg.h>

namespace zrt {
namespace {

bool run_color_dialog(std::uint32_t& system_color) {
  // The dialog keeps its sixteen custom colours for the whole run.
  static COLORREF custom_colors[16] = {};
  CHOOSECOLORA choice{};
  choice.lStructSize = sizeof(choice);
  // Owned like the runtime's other dialogs, so it stays above the window it
  // was asked for from.
  choice.hwndOwner = static_cast<HWND>(window_hooks().owner_window());
  choice.rgbResult = system_color;
  choice.lpCustColors = custom_colors;
  choice.Flags = CC_RGBINIT;
  if (!::ChooseColorA(&choice)) return false;
  system_color = choice.rgbResult;
  return true;
}

}  // namespace

ColorChooser system_color_chooser() { return &run_color_dialog; }

}  // namespace zrt
