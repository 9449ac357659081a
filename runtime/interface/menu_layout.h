// Where menu item instances keep their fields, after the 16-byte object
// header. The stored properties of the class table address them and compiled
// subclasses place their own fields after the instance size, so none of these
// offsets may move.
#pragma once

#include <cstdint>

namespace zif::menu_item_fields {

inline constexpr std::int32_t name = 16;                   // runtime string
inline constexpr std::int32_t text = 20;                   // runtime string
inline constexpr std::int32_t balloon_help = 24;           // runtime string
inline constexpr std::int32_t disabled_balloon_help = 28;  // runtime string
inline constexpr std::int32_t index = 32;                  // no_index when not a menu-array member
inline constexpr std::int32_t tag = 36;                    // runtime string
inline constexpr std::int32_t menu = 40;                   // the runtime's menu that holds the item
inline constexpr std::int32_t position = 44;               // position in that menu
inline constexpr std::int32_t command_key = 48;            // runtime string
inline constexpr std::int32_t enabled = 52;                // 8-bit Booleans from here to in_native_menu
inline constexpr std::int32_t enabled_shown = 53;
inline constexpr std::int32_t checked = 54;
inline constexpr std::int32_t checked_shown = 55;
inline constexpr std::int32_t visible = 56;
inline constexpr std::int32_t in_native_menu = 57;
inline constexpr std::int32_t command = 60;                // command identifier, 0 for none
inline constexpr std::int32_t instance_size = 72;

inline constexpr std::int32_t no_index = -2147483648;

}  // namespace zif::menu_item_fields
