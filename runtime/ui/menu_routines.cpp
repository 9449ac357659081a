// The exported routines of the menus. Lookups hand out a new reference; the
// routines that take an item raise NilObjectException for nil.
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/menu_bar.h"
#include "runtime/ui/menu_item_object.h"

using namespace zrt;

extern "C" {

ZObject* RuntimeMenuReference(ZString* name) {
  return share_object(find_menu_item(string_text(name), zif::menu_item_fields::no_index));
}

ZObject* RuntimeMenuArrayReference(ZString* name, std::int32_t index) {
  return share_object(find_menu_item(string_text(name), index));
}

ZObject* RuntimeCloneMenu(ZString* name) { return clone_menu_item(string_text(name)).leak(); }

void RuntimeCloseMenuItem(ZObject* item) { close_menu_item(item); }

void RuntimeEnableMenu(ZObject* item) { menu_item_fields_of(item).set_flag(zif::menu_item_fields::enabled, true); }

// The update cycle runs when a menu opens; there is nothing to do on request.
void enableMenuItems() {}

ZString* menuItemTextGetter(ZObject* item, std::int32_t) {
  return share_string(menu_item_fields_of(item).string(zif::menu_item_fields::text));
}

void menuItemTextSetter(ZObject* item, std::int32_t, ZString* text) { set_menu_item_text(item, text); }

// The shortcut list is made when the bar is built; a later key only is stored.
void menuItemCommandKeySetter(ZObject* item, std::int32_t, ZString* key) {
  menu_item_fields_of(item).store_string(zif::menu_item_fields::command_key, key);
}

}
