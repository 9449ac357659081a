// Building the runtime's class records from the declarative interface and
// finding them by name.
#include "runtime/core/runtime_classes.h"

#include "runtime/core/assert.h"
#include "runtime/core/name_dictionary.h"
#include "runtime/interface/interface.h"

namespace zrt {
namespace {

NameDictionary<ClassRecord*>& runtime_class_names() {
  static NameDictionary<ClassRecord*> names;
  return names;
}

bool g_registered = false;

CodeAddress resolve(RoutineResolver resolve_routine, std::string_view name) {
  return resolve_routine == nullptr || name.empty() ? 0 : resolve_routine(name);
}

ClassRecord* record_of(const zif::ClassDecl& declared, RoutineResolver resolve_routine) {
  ClassRecord* record = create_class_record(declared.name, declared.internal_name);
  record->runtime_class = 1;
  record->instance_size = declared.instance_size;
  // A property with parameters is reached by compiled code only: a
  // definition cannot set it by name, so the record leaves it out.
  for (const zif::PropertyDecl& property : declared.properties)
    if (property.params.empty())
      append_property(*record, property.name, property.type, resolve(resolve_routine, property.getter),
                      resolve(resolve_routine, property.setter), property.param);
  for (const zif::MethodDecl& method : declared.methods)
    append_method(*record, declared_member_name(method.declaration), resolve(resolve_routine, method.routine));
  for (const zif::EventDecl& event : declared.events)
    append_event(*record, event.name, event.params, event.result, event.code);
  return record;
}

}  // namespace

std::string_view declared_member_name(std::string_view declaration) {
  const std::size_t end = declaration.find_first_of("( ");
  return declaration.substr(0, end);
}

void register_runtime_classes(RoutineResolver resolve_routine) {
  ZASSERT(!g_registered, "the runtime classes are registered once");
  NameDictionary<ClassRecord*>& names = runtime_class_names();
  zif::for_each_runtime_class([&](const zif::ClassDecl& declared) {
    ZASSERT(names.find(declared.name) == nullptr, "a runtime class declared twice");
    names.insert(declared.name, record_of(declared, resolve_routine));
  });
  zif::for_each_runtime_class([&](const zif::ClassDecl& declared) {
    if (declared.superclass.empty()) return;
    ClassRecord* const* superclass = names.find(declared.superclass);
    ZASSERT(superclass != nullptr, "a runtime class whose superclass is not declared");
    (*names.find(declared.name))->superclass = *superclass;
  });
  g_registered = true;
}

void unregister_runtime_classes() {
  runtime_class_names().for_each([](std::string_view, ClassRecord* record) { destroy_class_record(record); });
  runtime_class_names().clear();
  g_registered = false;
}

bool runtime_classes_registered() { return g_registered; }

ClassRecord* find_runtime_class(std::string_view name) {
  ClassRecord* const* found = runtime_class_names().find(name);
  return found != nullptr ? *found : nullptr;
}

ClassRecord& runtime_class(std::string_view name) {
  ClassRecord* record = find_runtime_class(name);
  ZASSERT(record != nullptr, "a runtime class the runtime relies on is not registered");
  return *record;
}

}  // namespace zrt
