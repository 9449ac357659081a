// What plug-ins add to the runtime: one record per loaded plug-in (the
// current one receives what the registration routines create), the control
// classes and classes they register, and their global methods. Plug-ins
// register once, at start-up, and are never unloaded.
#pragma once

#include "runtime/core/class_records.h"
#include "runtime/interface/plugin_records.h"

#include <string_view>

namespace zrt {

struct PluginRecord {
  PluginRecord* next;  // the plug-in loaded before, newest first
  const zplug::ExportList* exports;
  std::int32_t version;  // 1 after loading, as RegisterPluginVersion sets it
};

// Makes a record for a plug-in about to be entered and makes it the current
// one; end_plugin_entry leaves no current plug-in.
PluginRecord& begin_plugin_entry();
void end_plugin_entry();
// Null outside a plug-in's entry.
[[nodiscard]] PluginRecord* current_plugin();

// Where declaration errors go ("Invalid plugin method format: ..."): a
// message box in the program; nothing until set.
using PluginMessageSink = void (*)(std::string_view message);
void set_plugin_message_sink(PluginMessageSink sink);

// The registration routines' work, for the current plug-in.
void register_plugin_control(zplug::ControlDefinition* definition);
void register_plugin_control_version1(zplug::ControlDefinitionVersion1* definition);
void register_plugin_class(zplug::ClassDefinition* definition);
void extend_class(const zplug::ClassExtension& extension);
void register_global_method(const zplug::GlobalMethodDefinition& definition);

// Completes every registered plug-in class: size, superclass, members, interfaces.
void complete_plugin_classes();

// A plug-in control class by name, null for none.
[[nodiscard]] ClassRecord* find_plugin_control(std::string_view name);
// Runtime classes, then plug-in controls, then plug-in classes.
[[nodiscard]] ClassRecord* find_class_for_interface(std::string_view name);
// Runtime classes, then plug-in classes, then plug-in controls: how image
// descriptors and deferred imports name classes.
[[nodiscard]] ClassRecord* find_class_by_name(std::string_view name);
// The routine of a global plug-in method, 0 for none.
[[nodiscard]] CodeAddress find_global_plugin_method(std::string_view name);

// Visits every plug-in control class with its definition, in registration order.
void for_each_plugin_control(void (*visit)(ClassRecord& record, const zplug::ControlDefinition& definition));

// The plug-in control definition behind a class or one of its ancestors.
[[nodiscard]] const zplug::ControlDefinition* plugin_control_of(const ClassRecord* record);

// Forgets every plug-in, class and method (tests).
void reset_plugins();

}  // namespace zrt
