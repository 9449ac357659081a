// The Timer class: where its instances keep their fields, its properties,
// its event and its accessors. A timer has no pane; it sits in a window's
// control table when the window's definition places it, or lives on its
// own when the program makes it with New.
#pragma once

#include "runtime/interface/declarations.h"

#include <cstdint>

namespace zif {

// After the 16-byte object header; compiled subclasses place their own
// fields after the instance size, so none of these offsets may move.
namespace timer_fields {

inline constexpr std::int32_t window = 16;      // the window whose definition placed it, 0 for none
inline constexpr std::int32_t key_index = 20;   // the Index it was registered with
inline constexpr std::int32_t next_timer = 24;  // link of the timer list, not counted
inline constexpr std::int32_t mode = 28;        // signed 16-bit: 0 off, 1 single, any other value multiple
inline constexpr std::int32_t period = 32;      // milliseconds
inline constexpr std::int32_t last_fired = 36;  // millisecond tick of the last firing or Mode setting
inline constexpr std::int32_t instance_size = 40;

}  // namespace timer_fields

inline constexpr PropertyDecl timer_properties[] = {
    {"Mode", "Integer", "timerModeGetter", "timerModeSetter", 0},
    {"Period", "Integer", "timerPeriodGetter", "timerPeriodSetter", 0},
};

inline constexpr EventDecl timer_events[] = {
    {"Action", "", "", 0},
};

inline constexpr RoutineDecl timer_routines[] = {
    {"timerModeGetter", 'i', "oi"},
    {"timerModeSetter", 'v', "oii"},
    {"timerPeriodGetter", 'i', "oi"},
    {"timerPeriodSetter", 'v', "oii"},
};

inline constexpr ClassDecl timer_classes[] = {
    {"Timer", "ZTTimer", "", timer_fields::instance_size, timer_properties, {}, timer_events},
};

}  // namespace zif
