// The plug-ins' records, classes, controls and global methods, and the
// registration work behind the exported routines.
#include "runtime/core/plugin_registry.h"

#include "runtime/core/assert.h"
#include "runtime/core/method_declarations.h"
#include "runtime/core/name_equality.h"
#include "runtime/core/pointer_words.h"
#include "runtime/core/runtime_classes.h"

#include <deque>
#include <memory>
#include <span>
#include <vector>

namespace zrt {
namespace {

struct PluginControl {
  ClassRecord* record;
  const zplug::ControlDefinition* definition;
};

struct PluginClass {
  ClassRecord* record;
  zplug::ClassDefinition* definition;
  PluginRecord* plugin;
  bool completing = false;  // set when its completion starts
};

struct GlobalMethod {
  MethodDeclaration declaration;
  CodeAddress routine;
};

// A version-1 control record widened to the current form; it lives as
// long as the class that was registered from it.
struct ConvertedControl {
  zplug::ControlDefinition definition{};
  std::vector<zplug::PropertyEntry> properties;
  std::vector<zplug::MethodEntry> methods;
};

struct Registry {
  std::deque<PluginRecord> plugins;
  PluginRecord* newest = nullptr;
  PluginRecord* current = nullptr;
  std::vector<PluginControl> controls;
  std::vector<PluginClass> classes;
  std::vector<GlobalMethod> methods;
  std::deque<ConvertedControl> converted;
  PluginMessageSink sink = nullptr;
};

Registry& registry() {
  static Registry state;
  return state;
}

template <typename Entry>
std::span<const Entry> table(const Entry* entries, std::int32_t count) {
  return entries == nullptr || count <= 0 ? std::span<const Entry>() : std::span(entries, static_cast<std::size_t>(count));
}

CodeAddress code_of(zplug::Routine routine) { return word_of_pointer(reinterpret_cast<const void*>(routine)); }

std::string_view text_of(const char* text) { return text == nullptr ? std::string_view() : std::string_view(text); }

bool is_current_version(std::int32_t version) { return version == 3 || version == 4; }

bool is_type_name(std::string_view name) { return find_class_by_name(name) != nullptr; }

// The declaration read, or nothing with its message sent on.
const MethodDeclaration* read_declaration(const char* text, MethodDeclaration& into) {
  DeclarationReading reading = read_method_declaration(text_of(text), &is_type_name);
  if (!reading.error.empty()) {
    if (registry().sink != nullptr) registry().sink(reading.error);
    return nullptr;
  }
  into = std::move(reading.declaration);
  return &into;
}

zplug::Routine exported_routine(const PluginRecord* plugin, std::int32_t index) {
  const zplug::ExportList* exports = plugin != nullptr ? plugin->exports : nullptr;
  if (exports == nullptr || index < 0 || index >= exports->count) return nullptr;
  return exports->routines[index];
}

void add_properties(ClassRecord& record, std::span<const zplug::PropertyEntry> properties) {
  for (const zplug::PropertyEntry& property : properties)
    append_property(record, text_of(property.name), text_of(property.type), code_of(property.getter),
                    code_of(property.setter), property.parameter);
}

void add_methods(ClassRecord& record, std::span<const zplug::MethodEntry> methods) {
  for (const zplug::MethodEntry& method : methods) {
    MethodDeclaration declaration;
    if (read_declaration(method.declaration, declaration) != nullptr)
      append_method(record, declaration.name, code_of(method.routine), code_of(method.second_routine));
  }
}

void add_constants(ClassRecord& record, std::span<const zplug::ConstantEntry> constants) {
  for (const zplug::ConstantEntry& constant : constants) push_constant(record, text_of(constant.name), constant.value);
}

void add_event(ClassRecord& record, const char* text) {
  MethodDeclaration declaration;
  if (read_declaration(text, declaration) != nullptr)
    append_event(record, declaration.name, declaration.parameter_text, declaration.result_type, 0);
}

void add_interfaces(ClassRecord& record, std::string_view list) {
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    ClassRecord* interface_class = find_class_for_interface(name);
    if (interface_class != nullptr && interface_class->is_interface != 0) push_interface(record, *interface_class);
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
  }
}

template <typename Entries>
ClassRecord* find_in(const Entries& entries, std::string_view name) {
  for (const auto& entry : entries)
    if (names_equal(class_name(entry.record), name)) return entry.record;
  return nullptr;
}

void complete_class(PluginClass& added);

// A plug-in superclass is completed first, since its size counts; a chain
// that comes back stops where it started.
void complete_superclass(ClassRecord* superclass) {
  for (PluginClass& other : registry().classes)
    if (other.record == superclass && !other.completing) complete_class(other);
}

void complete_class(PluginClass& added) {
  added.completing = true;
  zplug::ClassDefinition& definition = *added.definition;
  ClassRecord& record = *added.record;
  const std::string_view superclass_name = text_of(definition.superclass);
  ClassRecord* superclass = superclass_name.empty() ? nullptr : find_class_by_name(superclass_name);
  // A class may not end up among its own ancestors.
  if (superclass != nullptr && class_inherits(superclass, &record)) superclass = nullptr;
  record.superclass = superclass;
  complete_superclass(superclass);
  const std::int32_t data_offset = record.superclass != nullptr ? record.superclass->instance_size
                                                                : default_instance_size;
  record.instance_size = data_offset + definition.data_size;
  definition.data_offset = data_offset;
  // Called with (instance, class record); the plug-in's take the instance.
  record.constructor = code_of(reinterpret_cast<zplug::Routine>(definition.constructor));
  record.destructor = code_of(reinterpret_cast<zplug::Routine>(definition.destructor));
  add_properties(record, table(definition.properties, definition.property_count));
  add_methods(record, table(definition.methods, definition.method_count));
  add_constants(record, table(definition.constants, definition.constant_count));
  for (const zplug::ClassEventEntry& event : table(definition.events, definition.event_count)) {
    add_event(record, event.declaration);
    const zplug::Routine handler = exported_routine(added.plugin, event.export_index);
    if (handler != nullptr) push_hook(record, declared_member_name(text_of(event.declaration)), 0, code_of(handler));
  }
  add_interfaces(record, text_of(definition.interfaces));
}

}  // namespace

PluginRecord& begin_plugin_entry() {
  Registry& state = registry();
  PluginRecord& plugin = state.plugins.emplace_back(PluginRecord{state.newest, nullptr, 1});
  state.newest = state.current = &plugin;
  return plugin;
}

void end_plugin_entry() { registry().current = nullptr; }

PluginRecord* current_plugin() { return registry().current; }

void set_plugin_message_sink(PluginMessageSink sink) { registry().sink = sink; }

void register_plugin_control(zplug::ControlDefinition* definition) {
  if (definition == nullptr || !is_current_version(definition->version)) return;
  ClassRecord& rect_control = runtime_class("RectControl");
  ClassRecord* record = create_class_record(text_of(definition->name), text_of(definition->name));
  record->runtime_class = 1;
  record->superclass = &rect_control;
  record->instance_size = rect_control.instance_size + definition->data_size;
  definition->data_offset = rect_control.instance_size;
  add_properties(*record, table(definition->properties, definition->property_count));
  add_methods(*record, table(definition->methods, definition->method_count));
  for (const zplug::ControlEventEntry& event : table(definition->events, definition->event_count))
    add_event(*record, event.declaration);
  add_interfaces(*record, text_of(definition->interfaces));
  registry().controls.push_back({record, definition});
}

// Widens the record: default size 100 by 100, properties of ten words,
// methods whose routines come from the plug-in's export list.
void register_plugin_control_version1(zplug::ControlDefinitionVersion1* old) {
  ConvertedControl& converted = registry().converted.emplace_back();
  for (const zplug::PropertyEntryVersion1& property : table(old->properties, old->property_count))
    converted.properties.push_back({property.name, property.type, property.getter, property.setter, -1, -1,
                                    property.parameter, {}});
  for (const zplug::MethodEntryVersion1& method : table(old->methods, old->method_count))
    converted.methods.push_back({exported_routine(current_plugin(), method.export_index), nullptr, method.declaration});
  zplug::ControlDefinition& widened = converted.definition;
  widened = {4, old->name, old->data_size, old->flags, old->first_resource, old->second_resource, 100, 100,
             converted.properties.data(), static_cast<std::int32_t>(converted.properties.size()),
             converted.methods.data(), static_cast<std::int32_t>(converted.methods.size()), old->events,
             old->event_count, old->behaviour, 0, nullptr};
  register_plugin_control(&widened);
  old->data_offset = widened.data_offset;
}

void register_plugin_class(zplug::ClassDefinition* definition) {
  PluginRecord* plugin = current_plugin();
  if (definition == nullptr || plugin == nullptr || !is_current_version(plugin->version)) return;
  const std::string_view name = text_of(definition->name);
  if (name.empty() || find_class_by_name(name) != nullptr) return;
  ClassRecord* record = create_class_record(name, name);
  record->runtime_class = 1;
  registry().classes.push_back({record, definition, plugin, false});
}

void extend_class(const zplug::ClassExtension& extension) {
  PluginRecord* plugin = current_plugin();
  if (plugin == nullptr || !is_current_version(plugin->version)) return;
  ClassRecord* record = find_class_by_name(text_of(extension.class_name));
  if (record == nullptr) return;
  add_properties(*record, table(extension.properties, extension.property_count));
  add_methods(*record, table(extension.methods, extension.method_count));
  add_constants(*record, table(extension.constants, extension.constant_count));
}

void register_global_method(const zplug::GlobalMethodDefinition& definition) {
  PluginRecord* plugin = current_plugin();
  if (plugin == nullptr || plugin->version == 2) return;
  // A version-1 plug-in names the routine by its index in its export list.
  const zplug::Routine routine =
      plugin->version == 1 ? exported_routine(plugin, static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(
                                                          definition.routine)))
                           : definition.routine;
  GlobalMethod method{{}, code_of(routine)};
  if (read_declaration(definition.declaration, method.declaration) != nullptr)
    registry().methods.push_back(std::move(method));
}

void complete_plugin_classes() {
  for (PluginClass& added : registry().classes)
    if (!added.completing) complete_class(added);
}

ClassRecord* find_plugin_control(std::string_view name) { return find_in(registry().controls, name); }

ClassRecord* find_class_for_interface(std::string_view name) {
  if (ClassRecord* record = find_runtime_class(name)) return record;
  if (ClassRecord* record = find_plugin_control(name)) return record;
  return find_in(registry().classes, name);
}

ClassRecord* find_class_by_name(std::string_view name) {
  if (ClassRecord* record = find_runtime_class(name)) return record;
  if (ClassRecord* record = find_in(registry().classes, name)) return record;
  return find_plugin_control(name);
}

CodeAddress find_global_plugin_method(std::string_view name) {
  const std::vector<GlobalMethod>& methods = registry().methods;
  for (auto method = methods.rbegin(); method != methods.rend(); ++method)
    if (names_equal(method->declaration.name, name)) return method->routine;
  return 0;
}

void for_each_plugin_control(void (*visit)(ClassRecord& record, const zplug::ControlDefinition& definition)) {
  for (const PluginControl& control : registry().controls) visit(*control.record, *control.definition);
}

const zplug::ControlDefinition* plugin_control_of(const ClassRecord* record) {
  for (; record != nullptr; record = record->superclass)
    for (const PluginControl& control : registry().controls)
      if (control.record == record) return control.definition;
  return nullptr;
}

void reset_plugins() {
  Registry& state = registry();
  for (const PluginControl& control : state.controls) destroy_class_record(control.record);
  for (const PluginClass& added : state.classes) destroy_class_record(added.record);
  const PluginMessageSink sink = state.sink;
  state = Registry{};
  state.sink = sink;
}

}  // namespace zrt
