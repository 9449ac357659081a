// The seam through which the runtime asks the user for a colour, so tests
// can answer it without a person. Colours cross it in the system's layout.
#pragma once

#include <cstdint>

namespace zrt {

// Opens on the colour given; true with the chosen colour stored there when
// confirmed, false with it unchanged when cancelled.
using ColorChooser = bool (*)(std::uint32_t& system_color);

[[nodiscard]] bool choose_color(std::uint32_t& system_color);

// Installs another chooser (null restores the system's) and returns the one
// it replaces.
ColorChooser set_color_chooser(ColorChooser chooser);

// The system's own chooser: the colour dialog on Windows; elsewhere there is
// no dialog, and it cancels.
[[nodiscard]] ColorChooser system_color_chooser();

}  // namespace zrt
