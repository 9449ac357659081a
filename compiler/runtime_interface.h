// The runtime's routines, classes and built-in functions as the checker sees them: by default the
// runtime's own declarative tables, or any other set (tests bring their own).
#pragma once

#include <vector>

#include "runtime/interface/declarations.h"

namespace zc {

struct RuntimeInterface {
  std::vector<zif::RoutineDecl> routines;
  std::vector<zif::ClassDecl> classes;
  std::vector<zif::BuiltinDecl> builtins;
};

// Every routine, class and built-in function that the runtime declares.
RuntimeInterface runtime_tables();

}  // namespace zc
