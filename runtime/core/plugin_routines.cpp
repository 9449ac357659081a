// The exported routines of the plug-in interface that need no window: the
// registration routines, the reference routines for plug-ins and the
// interface routine lookup.
#include "runtime/core/name_equality.h"
#include "runtime/core/objects.h"
#include "runtime/core/plugin_registry.h"
#include "runtime/interface/exports.h"

using namespace zrt;

extern "C" {

void RegisterPluginVersion(std::int32_t version) {
  if (PluginRecord* plugin = current_plugin()) plugin->version = version;
}

void RegisterPluginExports(void* record) {
  if (PluginRecord* plugin = current_plugin()) plugin->exports = static_cast<const zplug::ExportList*>(record);
}

void PluginRegisterClass(void* definition) { register_plugin_class(static_cast<zplug::ClassDefinition*>(definition)); }

void PluginRegisterClassExtension(void* extension) {
  if (extension != nullptr) extend_class(*static_cast<const zplug::ClassExtension*>(extension));
}

// The record's first word is its version; version 1 has the narrower layout.
void PluginRegisterControl(void* definition) {
  if (definition == nullptr) return;
  if (*static_cast<const std::int32_t*>(definition) == 1)
    register_plugin_control_version1(static_cast<zplug::ControlDefinitionVersion1*>(definition));
  else
    register_plugin_control(static_cast<zplug::ControlDefinition*>(definition));
}

void PluginRegisterMethod(void* definition) {
  if (definition != nullptr) register_global_method(*static_cast<const zplug::GlobalMethodDefinition*>(definition));
}

void ZOLTLockObject(ZObject* object) { static_cast<void>(RuntimeLockObject(object)); }
void ZOLTUnlockObject(ZObject* object) { RuntimeUnlockObject(object); }
void ZOLTLockString(ZString* string) { RuntimeLockString(string); }
void ZOLTUnlockString(ZString* string) { RuntimeUnlockString(string); }

// The object's own routine for the method, when its class implements the
// interface; 0 otherwise.
std::uint32_t GetInterfaceRoutine(ZObject* object, void* interface_name, void* routine_name) {
  if (object == nullptr || interface_name == nullptr || routine_name == nullptr) return 0;
  const ClassRecord* interface_class = find_class_for_interface(static_cast<const char*>(interface_name));
  if (interface_class == nullptr || !class_is_a(class_of(object), interface_class)) return 0;
  const MethodEntry* method = find_method(class_of(object), static_cast<const char*>(routine_name));
  return method != nullptr ? method->routine : 0;
}

}  // extern "C"
