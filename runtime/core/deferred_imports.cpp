// Member imports: splitting their names, finding their routines, linking.
#include "runtime/core/deferred_imports.h"

#include "runtime/core/name_equality.h"
#include "runtime/core/plugin_registry.h"
#include "runtime/core/strings.h"
#include "runtime/interface/image_format.h"

#include <string>

namespace zrt {
namespace {

namespace deferred_kind = zif::image_format::deferred_kind;

const PropertyEntry* find_class_property(const ClassRecord* record, std::string_view name) {
  for (; record != nullptr; record = record->superclass)
    for (const PropertyEntry* property = record->properties; property != nullptr; property = property->next)
      if (names_equal(string_text(property->name), name)) return property;
  return nullptr;
}

}  // namespace

MemberImport split_member_import(std::string_view name) {
  MemberImport import;
  if (name.empty()) return import;
  import.kind = name.front();
  const std::string_view rest = name.substr(1);
  const std::size_t separator = rest.find(zif::image_format::member_separator);
  if (separator == std::string_view::npos || separator == 0) {
    import.member = separator == 0 ? rest.substr(1) : rest;
    return import;
  }
  import.class_name = rest.substr(0, separator);
  import.member = rest.substr(separator + 1);
  return import;
}

CodeAddress member_import_target(const MemberImport& import, NamedClassLookup find_class) {
  const ClassRecord* record = import.class_name.empty() ? nullptr : find_class(import.class_name);
  // Without a class, methods are the plug-ins' global methods.
  if (record == nullptr) return import.kind == deferred_kind::method || import.kind == deferred_kind::interface_method ? find_global_plugin_method(import.member) : 0;
  switch (import.kind) {
    case deferred_kind::method:
    case deferred_kind::interface_method: {
      const MethodEntry* method = find_method(record, import.member);
      if (method == nullptr) return 0;
      return import.kind == deferred_kind::method ? method->routine : method->second_routine;
    }
    case deferred_kind::getter:
    case deferred_kind::setter: {
      const PropertyEntry* property = find_class_property(record, import.member);
      if (property == nullptr) return 0;
      return import.kind == deferred_kind::getter ? property->getter : property->setter;
    }
    default: return 0;
  }
}

bool link_member_imports(std::span<const DeferredImport> imports, ImageBlock code1, NamedClassLookup find_class,
                         LoadError& error) {
  CallLinker linker(code1);
  std::string missing;
  for (const DeferredImport& import : imports) {
    const CodeAddress target = member_import_target(split_member_import(import.name), find_class);
    if (target == 0) {
      missing += (missing.empty() ? "" : ", ") + import.name;
      continue;
    }
    if (!linker.link_chain(import.chain_head, target, import.name, error)) return false;
  }
  if (missing.empty()) return true;
  error = load_failure("no class member is named " + missing);
  return false;
}

}  // namespace zrt
