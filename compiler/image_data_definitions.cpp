// The image's definition streams: one window definition per window (its
// class, its property pairs, its controls with theirs, no bindings), the menu
// definition and the settings stream, both as project objects.
#include <cstdio>
#include <optional>

#include "compiler/codegen_internal.h"
#include "compiler/definition_defaults.h"
#include "compiler/definition_stream.h"
#include "compiler/names.h"
#include "compiler/settings.h"
#include "runtime/interface/image_format.h"

namespace zc {

namespace {

// A definition value as the text the runtime converts by the property's type.
std::string value_text(const ConstantValue& value) {
  switch (value.type->kind) {
    case TypeKind::String: return value.text;
    case TypeKind::Boolean: return value.integer ? "True" : "False";
    case TypeKind::Double: {
      char text[32];
      std::snprintf(text, sizeof text, "%.17g", value.real);
      return text;
    }
    default: return std::to_string(value.integer);
  }
}

// The stream, preceded by its byte count.
void emit_counted_stream(AssemblyWriter& out, const std::string& label, const std::string& bytes,
                         const std::string& leading_words = "") {
  out.emit(".balign 4");
  out.label(label);
  if (!leading_words.empty()) out.emit(".long " + leading_words);
  out.emit(".long " + std::to_string(bytes.size()));
  emit_bytes(out, bytes);
}

constexpr int k_menu_kind_dropdown = 0;
constexpr int k_menu_kind_item = 0;

}  // namespace

void CodeGenerator::write_window_definitions() {
  for (const ClassInfo* info : m_semantics.classes)
    if (info->is_window) write_window_definition(*info);
}

void CodeGenerator::write_window_definition(const ClassInfo& window) {
  DefinitionStream stream;
  auto write_pairs = [&](const std::vector<StoredPair>& pairs) {
    for (const auto& [name, value] : pairs) {
      stream.string(name);
      stream.string(value);
    }
  };
  const ClassDecl& decl = *window.decl;
  const std::vector<StoredPair> window_pairs = stored_pairs(decl.definition);
  stream.integer(static_cast<std::int64_t>(window_pairs.size()));
  stream.integer(m_layout.class_index(&window));
  write_pairs(window_pairs);
  stream.integer(static_cast<std::int64_t>(decl.controls.size()));
  for (const ControlDecl& control : decl.controls) {
    stream.integer(m_layout.control_class_index(control));
    const std::vector<StoredPair> pairs = control_pairs(control);
    stream.integer(static_cast<std::int64_t>(pairs.size()));
    write_pairs(pairs);
  }
  stream.integer(0);  // no bindings
  emit_counted_stream(m_out, window_definition_label(window), stream.bytes());
}

std::vector<StoredPair> CodeGenerator::stored_pairs(const std::vector<DefinitionProperty>& properties) const {
  std::vector<StoredPair> pairs;
  for (const DefinitionProperty& pair : properties) {
    auto folded = m_semantics.folded.find(pair.value.get());
    pairs.emplace_back(pair.name, folded != m_semantics.folded.end() ? value_text(folded->second) : "");
  }
  return pairs;
}

// A control's pairs: its Name, by which the runtime finds it, then what its
// source names with the defaults of what it leaves out in their places.
std::vector<StoredPair> CodeGenerator::control_pairs(const ControlDecl& control) const {
  const ClassInfo* control_class = control.symbol && control.symbol->type ? control.symbol->type->class_info : nullptr;
  std::vector<bool> pending;
  for (const DefinitionDefault& entry : k_definition_defaults) {
    const ClassInfo* owner = runtime_class(entry.class_name);
    bool named = false;
    for (const DefinitionProperty& pair : control.properties) named |= equal_ignoring_case(pair.name, entry.property);
    const Symbol* property = control_class ? control_class->find_member(entry.property) : nullptr;
    pending.push_back(owner && is_subclass_of(control_class, owner) && property &&
                      property->kind == SymbolKind::Property && !named);
  }
  std::vector<StoredPair> pairs{{"Name", std::string(control.name)}};
  auto add_defaults_after = [&](std::optional<std::string_view> anchor) {
    for (std::size_t i = 0; i < pending.size(); ++i) {
      if (!pending[i] || (anchor && !equal_ignoring_case(k_definition_defaults[i].after, *anchor))) continue;
      pairs.emplace_back(k_definition_defaults[i].property, k_definition_defaults[i].value);
      pending[i] = false;
    }
  };
  add_defaults_after("");
  for (StoredPair& pair : stored_pairs(control.properties)) {
    const std::string name = pair.first;
    pairs.push_back(std::move(pair));
    add_defaults_after(name);
  }
  add_defaults_after(std::nullopt);  // those whose anchor the source does not name
  return pairs;
}

namespace {

void write_menu_items(DefinitionStream& stream, const std::vector<MenuEntry>& entries,
                      const std::function<int(const MenuEntry&)>& class_index) {
  stream.integer(static_cast<std::int64_t>(entries.size()));
  for (const MenuEntry& entry : entries) {
    stream.integer(k_menu_kind_item);
    stream.string(entry.kind == MenuEntryKind::Separator ? "-" : entry.text);
    stream.string(entry.kind == MenuEntryKind::Item ? entry.name : "");
    stream.no_index();
    stream.string(entry.key);
    stream.string("");  // balloon help
    stream.string("");  // disabled balloon help
    stream.byte(0);
    stream.byte(entry.kind == MenuEntryKind::Submenu ? 1 : 0);
    stream.integer(class_index(entry));
    if (entry.kind == MenuEntryKind::Submenu) write_menu_items(stream, entry.entries, class_index);
  }
}

}  // namespace

void CodeGenerator::write_menu_definition() {
  const MenuBarDecl* bar = nullptr;
  for (const Unit& unit : m_program.units)
    if (!unit.menu_bars.empty() && !bar) bar = &unit.menu_bars.front();
  if (!bar) return;
  const ClassInfo* item_class = runtime_class("MenuItem");
  auto class_index = [&](const MenuEntry& entry) {
    const ClassInfo* info = item_class;
    if (!entry.class_name.name.empty()) {
      auto found = m_semantics.runtime_classes.find(name_key(entry.class_name.name));
      if (found != m_semantics.runtime_classes.end()) info = found->second;
      for (const ClassInfo* program_class : m_semantics.classes)
        if (equal_ignoring_case(program_class->name, entry.class_name.name)) info = program_class;
    }
    return info ? m_layout.class_index(info) : 0;
  };
  DefinitionStream stream;
  stream.integer(static_cast<std::int64_t>(bar->menus.size()));
  for (const MenuEntry& menu : bar->menus) {
    stream.integer(k_menu_kind_dropdown);
    stream.string(menu.text);
    stream.string("");
    stream.no_index();
    stream.string("");
    stream.string("");
    stream.string("");
    stream.byte(0);
    stream.byte(0);
    stream.integer(class_index(menu));
    write_menu_items(stream, menu.entries, class_index);
  }
  emit_counted_stream(m_out, "zmenubar", stream.bytes(), std::to_string(zif::image_format::project_kind::menu_bar));
  m_project_objects.push_back("zmenubar");
}

// The settings stream: flag, reserved word, character set, file types,
// the message table (by number, gaps empty), the MDI flag and the frame title.
void CodeGenerator::write_settings() {
  const SettingsDecl* settings = nullptr;
  for (const Unit& unit : m_program.units)
    if (!unit.settings.empty() && !settings) settings = &unit.settings.front();
  std::vector<std::vector<ConstantValue>> file_types;
  std::map<std::int64_t, std::string> messages;
  std::int64_t character_set = 0;
  bool mdi = false;
  std::string frame_title;
  if (settings) {
    for (const SettingDecl& setting : settings->settings) {
      if (!setting.shape) continue;
      std::vector<ConstantValue> values;
      for (const ExprPtr& argument : setting.arguments) values.push_back(m_semantics.folded.at(argument.get()));
      switch (setting.shape->kind) {
        case SettingKind::FileType: file_types.push_back(values); break;
        case SettingKind::Message: messages[values[0].integer] = values[1].text; break;
        case SettingKind::MultipleDocuments: mdi = values[0].integer != 0; break;
        case SettingKind::FrameTitle: frame_title = values[0].text; break;
        case SettingKind::CharacterSet: character_set = values[0].integer; break;
      }
    }
  }
  DefinitionStream stream;
  stream.byte(0);
  stream.big_endian_word(0);
  stream.big_endian_word(static_cast<std::uint32_t>(character_set));
  stream.integer(static_cast<std::int64_t>(file_types.size()));
  for (const auto& type : file_types)
    for (const ConstantValue& text : type) stream.string(text.text);
  const std::int64_t message_count = messages.empty() ? 0 : messages.rbegin()->first + 1;
  stream.integer(message_count);
  for (std::int64_t number = 0; number < message_count; ++number)
    stream.string(messages.count(number) ? messages[number] : "");
  stream.byte(mdi ? 1 : 0);
  stream.string(frame_title);
  // The second word is the head of an entry list the runtime walks; it is empty.
  emit_counted_stream(m_out, "zsettings", stream.bytes(), std::to_string(zif::image_format::project_kind::settings) + ", 0");
  m_project_objects.push_back("zsettings");
}

}  // namespace zc
