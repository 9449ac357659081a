// The properties, methods and events of menu items, in declaration order.
// Stored properties name the general field accessors with the field's offset
// as parameter; Enabled, Checked and Visible are applied at the next menu
// update, so storing them is all their setters do.
#pragma once

#include "runtime/interface/declarations.h"
#include "runtime/interface/menu_layout.h"

namespace zif {

inline constexpr PropertyDecl menu_item_properties[] = {
    {"Name", "String", "stringGetter", "stringSetter", menu_item_fields::name},
    {"Index", "Integer", "integerGetter", "", menu_item_fields::index},
    {"Tag", "String", "stringGetter", "stringSetter", menu_item_fields::tag},
    {"BalloonHelp", "String", "stringGetter", "stringSetter", menu_item_fields::balloon_help},
    {"DisabledBalloonHelp", "String", "stringGetter", "stringSetter", menu_item_fields::disabled_balloon_help},
    {"Text", "String", "menuItemTextGetter", "menuItemTextSetter", menu_item_fields::text},
    {"Checked", "Boolean", "booleanGetter", "booleanSetter", menu_item_fields::checked},
    {"Enabled", "Boolean", "booleanGetter", "booleanSetter", menu_item_fields::enabled},
    {"Visible", "Boolean", "booleanGetter", "booleanSetter", menu_item_fields::visible},
    {"CommandKey", "String", "stringGetter", "menuItemCommandKeySetter", menu_item_fields::command_key},
};

inline constexpr MethodDecl menu_item_methods[] = {
    {"Enable()", "RuntimeEnableMenu"},
    {"Close()", "RuntimeCloseMenuItem"},
};

inline constexpr EventDecl menu_item_events[] = {
    {"Action", "", "Boolean", 0},
    {"EnableMenu", "", "", 0},
};

}  // namespace zif
