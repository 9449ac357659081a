// The runtime's whole interface: every exported routine, every runtime class
// and every built-in function, gathered from the per-subsystem tables. A routine that is not listed
// here does not exist for the loader, for plug-ins or for the compiler.
#pragma once

#include "runtime/interface/application_routines.h"
#include "runtime/interface/array_routines.h"
#include "runtime/interface/control_routines.h"
#include "runtime/interface/declarations.h"
#include "runtime/interface/device_routines.h"
#include "runtime/interface/exception_routines.h"
#include "runtime/interface/file_routines.h"
#include "runtime/interface/listbox_interface.h"
#include "runtime/interface/graphics_routines.h"
#include "runtime/interface/menu_routines.h"
#include "runtime/interface/number_routines.h"
#include "runtime/interface/object_routines.h"
#include "runtime/interface/plugin_routines.h"
#include "runtime/interface/runtime_classes.h"
#include "runtime/interface/socket_members.h"
#include "runtime/interface/string_routines.h"
#include "runtime/interface/text_routines.h"
#include "runtime/interface/timer_members.h"
#include "runtime/interface/window_routines.h"

namespace zif {

inline constexpr std::span<const RoutineDecl> routine_tables[] = {
    string_routines,
    text_routines,
    number_routines,
    array_routines,
    object_routines,
    exception_routines,
    application_routines,
    window_routines,
    control_routines,
    listbox_routines,
    menu_routines,
    graphics_routines,
    device_routines,
    file_routines,
    plugin_routines,
    timer_routines,
    socket_routines,
};

inline constexpr std::span<const ClassDecl> class_tables[] = {
    runtime_classes,
    timer_classes,
    socket_classes,
};

// Each subsystem declares its built-in functions beside their routines.
inline constexpr std::span<const BuiltinDecl> builtin_tables[] = {
    text_builtins,
    number_builtins,
    application_builtins,
    graphics_builtins,
    device_builtins,
    file_builtins,
};

// The export table has this many slots; those beyond the declared routines
// are free (null name), as plug-ins and later versions expect room there.
inline constexpr int export_slot_count = 1099;

template <typename Visit>
constexpr void for_each_routine(Visit&& visit) {
  for (auto table : routine_tables)
    for (const RoutineDecl& routine : table) visit(routine);
}

template <typename Visit>
constexpr void for_each_runtime_class(Visit&& visit) {
  for (auto table : class_tables)
    for (const ClassDecl& declared : table) visit(declared);
}

template <typename Visit>
constexpr void for_each_builtin(Visit&& visit) {
  for (auto table : builtin_tables)
    for (const BuiltinDecl& builtin : table) visit(builtin);
}

constexpr int routine_count() {
  int count = 0;
  for_each_routine([&](const RoutineDecl&) { ++count; });
  return count;
}

static_assert(routine_count() <= export_slot_count, "the export table has no free slot left");

}  // namespace zif
