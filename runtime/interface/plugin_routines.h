// Exported routines of the plug-in interface: what the image entry and the
// plug-ins themselves call (plug-ins find them by name through the resolver).
#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl plugin_routines[] = {
    // The image entry records its plug-in list first; RuntimeInit installs it.
    {"Win32InstallPlugins", 'v', "p"},
    // Registration, called by a plug-in from its entry with its records.
    {"RegisterPluginVersion", 'v', "i"},
    {"RegisterPluginExports", 'v', "p"},
    {"PluginRegisterClass", 'v', "p"},
    {"PluginRegisterClassExtension", 'v', "p"},
    {"PluginRegisterControl", 'v', "p"},
    {"PluginRegisterMethod", 'v', "p"},
    // References held by plug-ins.
    {"ZOLTLockObject", 'v', "o"},
    {"ZOLTUnlockObject", 'v', "o"},
    {"ZOLTLockString", 'v', "s"},
    {"ZOLTUnlockString", 'v', "s"},
    // An object's routine for a method of an interface, both named by C strings.
    {"GetInterfaceRoutine", 'u', "opp"},
    // For a plug-in control's drawing: its rectangle (four 16-bit values,
    // top, left, bottom, right) and the device context behind a graphics.
    {"GetControlBounds", 'v', "op"},
    {"ZOLTGraphicsDC", 'u', "o"},
};

}  // namespace zif
