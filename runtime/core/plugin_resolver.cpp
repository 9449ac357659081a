// The resolver's dictionary: every named slot of the export table.
#include "runtime/core/plugin_resolver.h"

#include "runtime/core/name_dictionary.h"

#include <memory>

namespace zrt {
namespace {

struct Resolver {
  const ExportTable* exports = nullptr;
  std::unique_ptr<NameDictionary<const void*>> names;  // made on the first lookup
};

Resolver& resolver() {
  static Resolver state;
  return state;
}

}  // namespace

void set_resolver_exports(const ExportTable* exports) {
  resolver().exports = exports;
  resolver().names.reset();
}

zplug::Routine resolve_runtime_routine(const char* name) {
  Resolver& state = resolver();
  if (name == nullptr || state.exports == nullptr) return nullptr;
  if (!state.names) {
    state.names = std::make_unique<NameDictionary<const void*>>();
    for (const ExportSlot& slot : state.exports->slots())
      if (slot.name != nullptr && slot.name[0] != '\0') state.names->insert(slot.name, slot.routine);
  }
  const void* const* routine = state.names->find(name);
  return routine != nullptr ? reinterpret_cast<zplug::Routine>(*routine) : nullptr;
}

}  // namespace zrt
