// Typed access to the fields of a menu item instance (MenuItem and its
// subclasses), at the offsets the class table and compiled code share.
#pragma once

#include "runtime/core/instance_fields.h"
#include "runtime/core/strings.h"
#include "runtime/interface/menu_layout.h"

#include <cstdint>
#include <string_view>

namespace zrt {

struct Menu;

class MenuItemFields : public InstanceFields {
 public:
  explicit MenuItemFields(ZObject* item) : InstanceFields(item) {}

  [[nodiscard]] std::string_view name() const { return string_text(string(zif::menu_item_fields::name)); }
  [[nodiscard]] std::string_view text() const { return string_text(string(zif::menu_item_fields::text)); }
  [[nodiscard]] std::int32_t index() const { return value<std::int32_t>(zif::menu_item_fields::index); }
  [[nodiscard]] bool has_index() const { return index() != zif::menu_item_fields::no_index; }
  [[nodiscard]] Menu* menu() const { return record<Menu>(zif::menu_item_fields::menu); }
  [[nodiscard]] std::int32_t position() const { return value<std::int32_t>(zif::menu_item_fields::position); }
  [[nodiscard]] std::int32_t command() const { return value<std::int32_t>(zif::menu_item_fields::command); }
  [[nodiscard]] bool in_native_menu() const { return flag(zif::menu_item_fields::in_native_menu); }
};

// The fields of an item that compiled code passed; nil raises
// NilObjectException, as every property of a nil object does.
[[nodiscard]] MenuItemFields menu_item_fields_of(ZObject* item);

// Releases the strings an item holds: the native destructor of MenuItem.
void release_menu_item_fields(ZObject* item);

}  // namespace zrt
