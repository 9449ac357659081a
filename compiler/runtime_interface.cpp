// Gathers the runtime's declarative tables, so that a routine exists for the
// checker exactly when the runtime exports it.
#include "compiler/runtime_interface.h"

#include "runtime/interface/interface.h"

namespace zc {

RuntimeInterface runtime_tables() {
  RuntimeInterface result;
  zif::for_each_routine([&](const zif::RoutineDecl& routine) { result.routines.push_back(routine); });
  for (std::span<const zif::ClassDecl> table : zif::class_tables)
    result.classes.insert(result.classes.end(), table.begin(), table.end());
  return result;
}

}  // namespace zc
