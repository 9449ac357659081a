// The font a pane shows its control's text in, taken from the font cache
// and given back when the pane goes or takes another.
#pragma once

#include "runtime/graphics/font_cache.h"
#include "runtime/ui/control_object.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace zrt {

// Where a kind keeps its font: the name (string), the 16-bit size, then the
// bold, italic and underline flags.
struct FontFields {
  std::int32_t name;
  std::int32_t size;
  std::int32_t bold;
  std::int32_t italic;
  std::int32_t underline;
};

class PaneFont {
 public:
  PaneFont() = default;
  PaneFont(const PaneFont&) = delete;
  PaneFont& operator=(const PaneFont&) = delete;
  ~PaneFont();

  // The font the control's fields ask for now.
  HFONT take(const ControlFields& fields, const FontFields& font);
  // Takes the font and gives it to a Win32 control (WM_SETFONT, redrawn).
  void apply(HWND target, const ControlFields& fields, const FontFields& font);

 private:
  FontEntry* m_entry = nullptr;
};

// A string field's text.
[[nodiscard]] std::string text_field(const ControlFields& fields, std::int32_t offset);

}  // namespace zrt
