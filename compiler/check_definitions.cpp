// Checks of what the program stores as data rather than code: the property
// pairs of window and control definitions, the menu bar, the settings, the
// plug-ins and the default window.
#include "compiler/checker_internal.h"
#include "compiler/names.h"
#include "compiler/settings.h"
#include "compiler/text_format.h"

namespace zc {

namespace {

// A definition may name properties that the runtime skips while building the
// window; the window or control's name is one.
bool is_skipped_by_runtime(std::string_view name) { return equal_ignoring_case(name, "Name"); }

bool holds_item(const std::vector<MenuEntry>& entries, std::string_view name) {
  for (const MenuEntry& entry : entries) {
    if (entry.kind == MenuEntryKind::Item && equal_ignoring_case(entry.name, name)) return true;
    if (entry.kind == MenuEntryKind::Submenu && holds_item(entry.entries, name)) return true;
  }
  return false;
}

std::string_view letter_type_name(char letter) {
  return letter == 's' ? "String" : letter == 'i' ? "Integer" : "Boolean";
}

bool matches_letter(const Type* type, char letter) {
  switch (letter) {
    case 's': return type->kind == TypeKind::String;
    case 'i': return type->kind == TypeKind::Integer;
    default: return type->kind == TypeKind::Boolean;
  }
}

}  // namespace

void Checker::check_definition(const ClassInfo& target, std::vector<DefinitionProperty>& properties) {
  for (DefinitionProperty& pair : properties) {
    if (is_skipped_by_runtime(pair.name)) continue;
    const Symbol* property = target.find_member(pair.name);
    if (!property || property->kind != SymbolKind::Property || !property->owner || !property->owner->is_runtime ||
        property->takes_arguments()) {
      error(pair.pos, text::format("'{}' is not a property that a definition of '{}' can set", pair.name, target.name));
    } else if (property->read_only) {
      error(pair.pos, text::format("'{}' is read-only; a definition cannot set it", pair.name));
    } else {
      check_definition_value(*property, pair);
    }
  }
}

// The value is stored as text and converted by the property's type when the
// window is built, so it must be a literal of that type. An object-typed
// property takes the number of a project object (0 for none).
void Checker::check_definition_value(const Symbol& property, DefinitionProperty& pair) {
  std::optional<ConstantValue> value = fold(pair.value.get());
  if (!value) {
    error(pair.value ? pair.value->pos : pair.pos, text::format("'{}' takes a value known when compiling", pair.name));
    return;
  }
  pair.value->type = value->type;
  m_semantics.folded.insert_or_assign(pair.value.get(), *value);
  const TypeKind wanted = property.type->kind;
  bool fits = false;
  switch (wanted) {
    case TypeKind::Integer: case TypeKind::Color: fits = value->type->kind == TypeKind::Integer; break;
    case TypeKind::Double: case TypeKind::Single: fits = value->type->is_numeric(); break;
    case TypeKind::Class: case TypeKind::Object:
      fits = value->type->kind == TypeKind::Integer && value->integer >= 0;
      break;
    case TypeKind::Error: fits = true; break;
    default: fits = value->type == property.type; break;
  }
  if (fits) return;
  std::string wanted_text = property.type->is_object() ? "a project object's number" : property.type->name();
  error(pair.value->pos, text::format("'{}' takes {}, not {}", pair.name, wanted_text, value->type->name()));
}

void Checker::check_menu_bars() {
  const MenuBarDecl* first = nullptr;
  std::map<std::string, SourcePos> seen;
  for (Unit& unit : m_program.units) {
    m_file = unit.file;
    for (MenuBarDecl& bar : unit.menu_bars) {
      if (first) error(bar.pos, text::format("a program has one MenuBar; the first is at line {}", first->pos.line));
      first = first ? first : &bar;
      check_menu_entries(bar.menus, seen);
    }
  }
}

void Checker::check_menu_entries(std::vector<MenuEntry>& entries, std::map<std::string, SourcePos>& seen) {
  const ClassInfo* item_root = runtime_class("MenuItem");
  for (MenuEntry& entry : entries) {
    if (entry.kind == MenuEntryKind::Separator) continue;
    if (entry.text.empty())
      error(entry.pos, entry.kind == MenuEntryKind::Submenu ? "a menu needs a title" : "a menu item needs a text");
    if (entry.kind == MenuEntryKind::Submenu) {
      check_menu_entries(entry.entries, seen);
      continue;
    }
    if (auto [existing, inserted] = seen.try_emplace(name_key(entry.name), entry.pos); !inserted)
      error(entry.pos, text::format("the menu item '{}' is already declared at line {}", entry.name,
                                    existing->second.line));
    const ClassInfo* item_class = resolve_class(entry.class_name, "menu item class");
    if (item_class && item_root && !is_subclass_of(item_class, item_root))
      error(entry.class_name.pos, text::format("'{}' is not a menu item class", item_class->name));
  }
}

bool Checker::names_menu_item(std::string_view name) const {
  for (const Unit& unit : m_program.units)
    for (const MenuBarDecl& bar : unit.menu_bars)
      if (holds_item(bar.menus, name)) return true;
  return false;
}

// A menu handler answers a chosen item of the menu bar for a window or for
// the application. The runtime finds it among the class's hooks by the
// item's name and calls it with the window (and the item's Index when the
// item is a member of a menu array); True means handled. Since event
// handlers are found by name too, a menu handler may not take an event's.
void Checker::check_menu_handler(ClassInfo& info, MethodDecl& handler) {
  const ClassInfo* window = runtime_class("Window");
  const ClassInfo* application = runtime_class("Application");
  const bool receives_items = (window && is_subclass_of(&info, window)) ||
                              (application && is_subclass_of(&info, application));
  if (!receives_items)
    error(handler.pos, text::format("'{}' handles a menu item, but only windows and Application subclasses "
                                    "receive menu items", handler.name));
  else if (!names_menu_item(handler.name))
    error(handler.pos, text::format("'{}' is not an item of the program's MenuBar", handler.name));
  else if (info.find_event(handler.name))
    error(handler.pos, text::format("'{}' is an event of '{}'; a menu handler cannot take an event's name",
                                    handler.name, info.name));
  for (const MethodDecl& earlier : info.decl->methods) {
    if (&earlier == &handler) break;
    if (earlier.kind != MethodKind::MenuHandler || !equal_ignoring_case(earlier.name, handler.name)) continue;
    error(handler.pos, text::format("the menu handler '{}' is already declared at line {}", handler.name,
                                    earlier.pos.line));
    break;
  }
  check_menu_handler_signature(handler);
  Symbol* symbol = m_symbols.make(SymbolKind::Method, std::string(handler.name), m_types.boolean(), handler.pos);
  symbol->signature = signature_of(handler);
  symbol->signature.result = m_types.boolean();
  symbol->owner = &info;
  symbol->method = &handler;
  handler.symbol = symbol;
}

void Checker::check_menu_handler_signature(const MethodDecl& handler) {
  const bool takes_index = handler.parameters.size() == 1 && !handler.parameters[0].by_ref &&
                           !handler.parameters[0].type.is_array &&
                           resolve_type(handler.parameters[0].type) == m_types.integer();
  if (!handler.parameters.empty() && !takes_index)
    error(handler.pos, "a menu handler takes nothing, or the item's index: (index As Integer)");
  if (handler.result.name.empty())
    error(handler.pos, "a menu handler gives Boolean (True when it handled the item): add 'As Boolean'");
  else if (const Type* result = resolve_type(handler.result); result != m_types.boolean() &&
                                                              result->kind != TypeKind::Error)
    error(handler.result.pos, text::format("a menu handler gives Boolean, not {}", result->name()));
}

void Checker::check_settings() {
  const SettingsDecl* first = nullptr;
  for (Unit& unit : m_program.units) {
    m_file = unit.file;
    for (SettingsDecl& settings : unit.settings) {
      if (first) error(settings.pos, text::format("a program has one Settings block; the first is at line {}",
                                                  first->pos.line));
      first = first ? first : &settings;
      std::map<std::string, SourcePos> once;
      std::map<std::int64_t, SourcePos> messages;
      for (SettingDecl& setting : settings.settings) {
        if (!check_setting(setting)) continue;
        if (!setting.shape->repeats && !once.try_emplace(name_key(setting.name), setting.pos).second)
          error(setting.pos, text::format("'{}' is set twice", setting.name));
        if (setting.shape->kind != SettingKind::Message) continue;
        const std::int64_t number = m_semantics.folded.at(setting.arguments[0].get()).integer;
        if (number < 0 || number > k_highest_message)
          error(setting.pos, text::format("a message number is 0 to {}", k_highest_message));
        else if (!messages.try_emplace(number, setting.pos).second)
          error(setting.pos, text::format("message {} is set twice", number));
      }
    }
  }
}

// Whether the setting is known and all its values are; only then does it
// get its shape.
bool Checker::check_setting(SettingDecl& setting) {
  const SettingShape* shape = nullptr;
  std::string known;
  for (const SettingShape& candidate : k_settings) {
    if (equal_ignoring_case(candidate.name, setting.name)) shape = &candidate;
    known += (known.empty() ? "" : &candidate == std::end(k_settings) - 1 ? " or " : ", ") + std::string(candidate.name);
  }
  if (!shape) {
    error(setting.pos, text::format("unknown setting '{}' ({})", setting.name, known));
    return false;
  }
  if (setting.arguments.size() != shape->arguments.size()) {
    std::string wanted;
    for (char letter : shape->arguments) wanted += (wanted.empty() ? "" : ", ") + std::string(letter_type_name(letter));
    error(setting.pos, text::format("'{}' takes {}", shape->name, wanted));
    return false;
  }
  bool known_values = true;
  for (std::size_t i = 0; i < setting.arguments.size(); ++i) {
    Expr* argument = setting.arguments[i].get();
    std::optional<ConstantValue> value = fold(argument);
    if (value && matches_letter(value->type, shape->arguments[i])) {
      argument->type = value->type;
      m_semantics.folded.insert_or_assign(argument, *value);
      continue;
    }
    error(argument ? argument->pos : setting.pos,
          text::format("value {} of '{}' must be a {} known when compiling", i + 1, shape->name,
                       letter_type_name(shape->arguments[i])));
    known_values = false;
  }
  if (known_values) setting.shape = shape;
  return known_values;
}

void Checker::check_program_singletons() {
  const DefaultWindowDecl* first = nullptr;
  for (Unit& unit : m_program.units) {
    m_file = unit.file;
    for (PluginDecl& plugin : unit.plugins)
      if (plugin.path.empty()) error(plugin.pos, "the plug-in's file name is empty");
    for (DefaultWindowDecl& window : unit.default_windows) {
      if (first) error(window.pos, text::format("the default window is already chosen at line {}", first->pos.line));
      first = first ? first : &window;
      auto found = m_classes.find(name_key(window.name));
      if (found == m_classes.end() || !found->second->is_window)
        error(window.pos, text::format("'{}' is not a window of the program", window.name));
      else
        window.symbol = found->second->symbol;
    }
  }
}

}  // namespace zc
