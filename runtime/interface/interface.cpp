// Compile-time checks of the interface tables that need every table at once.
#include "runtime/interface/interface.h"

namespace zif {

static_assert(routine_count() > 0, "the interface declares no routine");

// A built-in calls its routine, and its result is of a runtime class.
constexpr bool builtins_are_declared() {
  bool declared = true;
  for_each_builtin([&](const BuiltinDecl& builtin) {
    bool routine = false;
    for_each_routine([&](const RoutineDecl& candidate) { routine |= candidate.name == builtin.routine; });
    bool result_class = builtin.result_class.empty();
    for_each_runtime_class([&](const ClassDecl& candidate) { result_class |= candidate.name == builtin.result_class; });
    declared &= routine && result_class;
  });
  return declared;
}
static_assert(builtins_are_declared(), "a built-in names an undeclared routine or result class");

}  // namespace zif
