// Exported routines of the menus: lookups of items by name, menu arrays,
// removing items, the update cycle's Enable and the item text accessors.
#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl menu_routines[] = {
    {"RuntimeMenuReference", 'o', "s"},
    {"RuntimeMenuArrayReference", 'o', "si"},
    {"RuntimeCloneMenu", 'o', "s"},
    {"RuntimeCloseMenuItem", 'v', "o"},
    {"RuntimeEnableMenu", 'v', "o"},
    {"enableMenuItems", 'v', ""},
    {"menuItemTextGetter", 's', "oi"},
    {"menuItemTextSetter", 'v', "ois"},
    {"menuItemCommandKeySetter", 'v', "ois"},
};

}  // namespace zif
