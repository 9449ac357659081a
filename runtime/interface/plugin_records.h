// The records a plug-in library hands to the runtime's registration
// routines, as both sides lay them out: words and pointers in this order, 32
// bits each in the target's plug-ins. Portable (no windows.h): the runtime,
// the plug-ins and the tests that build records share this one layout.
#pragma once

#include <cstdint>

namespace zplug {

// A routine of the plug-in or of the runtime, as an address word.
using Routine = void (*)();

// A property: the getter takes (instance, parameter word), the setter
// (instance, parameter word, value). Type is the language's type name.
struct PropertyEntry {
  const char* name;
  const char* type;
  Routine getter;
  Routine setter;
  std::int32_t reserved_first = -1;
  std::int32_t reserved_second = -1;
  std::int32_t parameter = 0;
  std::int32_t reserved[3] = {};
};

// A method: its routine, a second routine for the call through an
// interface (null when the same), and its declaration in the language's
// syntax ("List(row As Integer) As String").
struct MethodEntry {
  Routine routine;
  Routine second_routine;
  const char* declaration;
};

struct ConstantEntry {
  const char* name;
  std::int32_t value;
};

// An event of a control the control raises: its declaration
// ("MouseDown(X As Integer, Y As Integer) As Boolean").
struct ControlEventEntry {
  const char* declaration;
};

// An event of a plug-in class: its declaration and the index of the
// routine in the plug-in's export list that handles it.
struct ClassEventEntry {
  const char* declaration;
  std::int32_t export_index;
};

// What the control framework calls on a plug-in control. Initialise runs
// when the instance is placed in a window, draw when its window paints.
struct ControlBehaviour {
  void (*initialise)(void* control);
  void (*draw)(void* control, void* graphics);
};

// PluginRegisterControl's record of versions 3 and 4.
struct ControlDefinition {
  std::int32_t version;
  const char* name;
  std::int32_t data_size;  // bytes of the plug-in's own data in each instance
  std::int32_t flags;
  std::int32_t first_resource;
  std::int32_t second_resource;
  std::int32_t default_width;
  std::int32_t default_height;
  const PropertyEntry* properties;
  std::int32_t property_count;
  const MethodEntry* methods;
  std::int32_t method_count;
  const ControlEventEntry* events;
  std::int32_t event_count;
  const ControlBehaviour* behaviour;
  std::int32_t data_offset;  // written by the runtime: where the plug-in's data starts in an instance
  const char* interfaces;   // names separated by ",", or null
};

// The older, narrower form: no default size, properties of five words and
// methods naming a routine by its index in the plug-in's export list.
struct PropertyEntryVersion1 {
  const char* name;
  const char* type;
  Routine getter;
  Routine setter;
  std::int32_t parameter;
};

struct MethodEntryVersion1 {
  std::int32_t export_index;
  const char* declaration;
};

struct ControlDefinitionVersion1 {
  std::int32_t version;
  const char* name;
  std::int32_t data_size;
  std::int32_t flags;
  std::int32_t first_resource;
  std::int32_t second_resource;
  const PropertyEntryVersion1* properties;
  std::int32_t property_count;
  const MethodEntryVersion1* methods;
  std::int32_t method_count;
  const ControlEventEntry* events;
  std::int32_t event_count;
  const ControlBehaviour* behaviour;
  std::int32_t data_offset;
};

// PluginRegisterClass's record.
struct ClassDefinition {
  std::int32_t version;
  const char* name;
  const char* superclass;  // empty or null for none
  std::int32_t data_size;
  std::int32_t data_offset;  // written by the runtime
  void (*constructor)(void* instance);
  void (*destructor)(void* instance);
  const PropertyEntry* properties;
  std::int32_t property_count;
  const MethodEntry* methods;
  std::int32_t method_count;
  const ConstantEntry* constants;
  std::int32_t constant_count;
  const ClassEventEntry* events;
  std::int32_t event_count;
  const char* interfaces;
};

// PluginRegisterClassExtension's record: members for an existing class.
struct ClassExtension {
  const char* class_name;
  const PropertyEntry* properties;
  std::int32_t property_count;
  const MethodEntry* methods;
  std::int32_t method_count;
  const ConstantEntry* constants;
  std::int32_t constant_count;
};

// PluginRegisterMethod's record: a global method (version 3 and 4), or its
// version-1 form {export index, declaration} read through the same words.
struct GlobalMethodDefinition {
  Routine routine;
  const char* declaration;
};

// RegisterPluginExports's record: the plug-in's routines by index.
struct ExportList {
  const Routine* routines;
  std::int32_t count;
};

// The entry every plug-in exports, and the resolver it is called with.
using Resolver = Routine (*)(const char* name);
using PluginMain = void (*)(Resolver resolve);
inline constexpr const char* plugin_main_name = "ZOLTPluginMain";

static_assert(sizeof(void*) != 4 || sizeof(PropertyEntry) == 40, "a property entry is 10 words");
static_assert(sizeof(void*) != 4 || sizeof(MethodEntry) == 12, "a method entry is 3 words");
static_assert(sizeof(void*) != 4 || sizeof(ControlDefinition) == 68, "a control record is 17 words");
static_assert(sizeof(void*) != 4 || sizeof(ControlDefinitionVersion1) == 56, "a version-1 control record is 14 words");

}  // namespace zplug
