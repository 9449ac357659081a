// Dates as folder items give them: a calendar date and time of day in local
// time, each part a plain Integer field that the general field accessors
// read and write. Nothing checks the parts until a date is handed to the
// system, which refuses one that is not a real date.
#pragma once

#include "runtime/interface/declarations.h"

#include <cstdint>

namespace zif::date_fields {

inline constexpr std::int32_t year = 16;
inline constexpr std::int32_t month = 20;   // 1 to 12
inline constexpr std::int32_t day = 24;     // 1 to 31
inline constexpr std::int32_t hour = 28;    // 0 to 23
inline constexpr std::int32_t minute = 32;  // 0 to 59
inline constexpr std::int32_t second = 36;  // 0 to 59
inline constexpr std::int32_t instance_size = 40;

}  // namespace zif::date_fields

namespace zif {

inline constexpr PropertyDecl date_properties[] = {
    {"Year", "Integer", "integerGetter", "integerSetter", date_fields::year},
    {"Month", "Integer", "integerGetter", "integerSetter", date_fields::month},
    {"Day", "Integer", "integerGetter", "integerSetter", date_fields::day},
    {"Hour", "Integer", "integerGetter", "integerSetter", date_fields::hour},
    {"Minute", "Integer", "integerGetter", "integerSetter", date_fields::minute},
    {"Second", "Integer", "integerGetter", "integerSetter", date_fields::second},
};

}  // namespace zif
