// The menu update cycle and the delivery of menu commands.
#include "runtime/ui/menu_commands.h"

#include "runtime/core/code_calls.h"
#include "runtime/core/events.h"
#include "runtime/core/name_equality.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/core/strings.h"
#include "runtime/ui/menu_bar.h"
#include "runtime/ui/menu_item_object.h"

#include <array>

namespace zrt {
namespace {

namespace fields = zif::menu_item_fields;

bool is_quit_item(const ZObject* item) {
  return class_inherits(class_of(item), find_runtime_class("QuitMenuItem"));
}

// Menu handlers are hooks named after the item; the nearest class wins.
CodeAddress find_menu_handler(const ClassRecord* record, std::string_view item_name) {
  for (; record != nullptr; record = record->superclass)
    for (const HookEntry* hook = record->hooks; hook != nullptr; hook = hook->next)
      if (names_equal(string_text(hook->name), item_name)) return hook->routine;
  return 0;
}

// Every handler is called with the item's Index, which one declared without
// a parameter does not read.
bool offer_to_handler(ZObject* target, ZObject* item) {
  if (target == nullptr) return false;
  const MenuItemFields fields_of(item);
  const CodeAddress handler = find_menu_handler(class_of(target), fields_of.name());
  if (handler == 0) return false;
  const ObjectRef keep = ObjectRef::share(target);
  const std::array<Word, 2> arguments{word_of_pointer(target), static_cast<Word>(fields_of.index())};
  return call_code(handler, arguments) != 0;
}

void enable_by_item(ZObject* item) {
  if (has_event_handler(item, {"MenuItem", "EnableMenu"})) {
    raise_event(item, {"MenuItem", "EnableMenu"});
  } else if (is_quit_item(item)) {
    MenuItemFields(item).set_flag(fields::enabled, true);
  }
}

}  // namespace

void run_menu_update(const MenuTargets& targets) {
  if (!has_menu_bar()) return;
  const std::vector<ObjectRef> items = all_menu_items();
  for (const ObjectRef& item : items) MenuItemFields(item.get()).set_flag(fields::enabled, false);
  for (const ObjectRef& item : items) enable_by_item(item.get());
  for (ZObject* target : {targets.focus_control, targets.window, targets.application})
    if (target != nullptr) raise_event(target, {"Listbox|Window|Application", "EnableMenuItems"});
  apply_menus();
}

bool run_menu_command(std::int32_t command, const MenuTargets& targets) {
  const ObjectRef item = ObjectRef::share(menu_item_with_command(command));
  if (item.get() == nullptr) return false;
  if (offer_to_handler(targets.window, item.get()) || offer_to_handler(targets.application, item.get())) return true;
  if (!is_quit_item(item.get()) || targets.quit_item == nullptr)
    return raise_boolean_event(item.get(), {"MenuItem", "Action"});
  targets.quit_item(item.get());
  return true;
}

}  // namespace zrt
