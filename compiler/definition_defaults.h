// The values a window definition stores for a control's properties that the
// program's source leaves out, so that a window's source names only what
// differs. Each applies to the controls of its class and its subclasses, in
// this order, placed right after the property `after` when the source names
// that one (at the start of the control's pairs for an empty `after`, at
// their end when the source does not name it).
#pragma once

#include <string_view>

namespace zc {

struct DefinitionDefault {
  std::string_view class_name;
  std::string_view property;
  std::string_view value;  // as stored: the text the runtime converts by the property's type
  std::string_view after;
};

inline constexpr DefinitionDefault k_definition_defaults[] = {
    // Every control: not part of a control array, on no tab panel, shown,
    // without balloon help.
    {"Control", "Index", "-2147483648", ""},
    {"Control", "TabPanelIndex", "0", ""},
    {"RectControl", "Visible", "True", ""},
    {"Control", "BalloonHelp", "", ""},
    {"Control", "DisabledBalloonHelp", "", ""},
    // Text controls: plain text aligned by default, in black.
    {"StaticText", "Italic", "False", "Bold"},
    {"StaticText", "Underline", "False", "Bold"},
    {"StaticText", "TextAlign", "0", "Bold"},
    {"StaticText", "TextColor", "0", "Bold"},
};

}  // namespace zc
