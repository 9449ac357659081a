// The project objects of the application descriptor: pictures, movies,
// sounds, cursors and databases made once at start and handed out by
// number, the instances created into globals, and the two descriptors that
// make no object (the menu bar and the settings stream), which are passed on.
#pragma once

#include "runtime/core/checked_memory.h"
#include "runtime/core/settings_stream.h"
#include "runtime/interface/abi_types.h"
#include "runtime/interface/graphics_layout.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zrt {

// Where the minimal project-object classes keep the words of their
// descriptors, until the subsystems of pictures, media, cursors and
// databases give them their full form.
namespace project_fields {
inline constexpr std::int32_t value = 16;         // w1 of pictures, movies, sounds; cursor resource number
inline constexpr std::int32_t data_address = 20;  // sounds: the data after w1
// A picture's word 20 is its bitmap surface; the data after w1 goes to the
// field the picture keeps for it.
inline constexpr std::int32_t picture_data_address = zif::picture_fields::project_data;
inline constexpr std::int32_t database_text = 16; // a runtime string
inline constexpr std::int32_t database_first = 20;
inline constexpr std::int32_t database_second = 24;
}  // namespace project_fields

struct MenuBarStream {
  Address stream;
  std::uint32_t length;
};

struct ProjectObjectsBuild {
  bool built = false;
  std::string error;
  std::optional<MenuBarStream> menu_bar;
  std::optional<Settings> settings;
};

// Reads the project part of the application descriptor (after the class
// part) and builds the project object table; the class table must exist.
// The settings' messages become the runtime message table.
[[nodiscard]] ProjectObjectsBuild build_project_objects(MemoryView& data, Address application_descriptor);
// Releases the table's objects (tests and a fresh start).
void destroy_project_objects();

// The object with that number (1-based) with one more reference; nil for 0,
// for a number outside the table and for a slot without an object.
[[nodiscard]] ZObject* project_object(std::int32_t number);

}  // namespace zrt
