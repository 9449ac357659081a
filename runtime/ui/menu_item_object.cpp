// Menu item fields.
#include "runtime/ui/menu_item_object.h"

#include "runtime/core/exceptions.h"

namespace zrt {

MenuItemFields menu_item_fields_of(ZObject* item) {
  if (item == nullptr) raise_new_exception("NilObjectException");
  return MenuItemFields(item);
}

void release_menu_item_fields(ZObject* item) {
  namespace fields = zif::menu_item_fields;
  const InstanceFields stored(item);
  for (std::int32_t offset : {fields::name, fields::text, fields::balloon_help, fields::disabled_balloon_help,
                              fields::tag, fields::command_key})
    stored.store_string(offset, nullptr);
}

}  // namespace zrt
