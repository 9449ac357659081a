// Gathers the runtime's declarative tables, so that a routine exists for the
// checker exactly when the runtime exports it.
#include "compiler/runtime_interface.h"

#include "runtime/interface/interface.h"

namespace zc {

RuntimeInterface runtime_tables() {
  RuntimeInterface result;
  zif::for_each_routine([&](const zif::RoutineDecl& routine) { result.routines.push_back(routine); });
  zif::for_each_runtime_class([&](const zif::ClassDecl& declared) { result.classes.push_back(declared); });
  zif::for_each_builtin([&](const zif::BuiltinDecl& builtin) { result.builtins.push_back(builtin); });
  return result;
}

}  // namespace zc
