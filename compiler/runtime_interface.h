// The runtime's routines and classes as the checker sees them: by default the
// runtime's own declarative tables, or any other set (tests bring their own).
#pragma once

#include <vector>

#include "runtime/interface/declarations.h"

namespace zc {

struct RuntimeInterface {
  std::vector<zif::RoutineDecl> routines;
  std::vector<zif::ClassDecl> classes;
};

// Every routine and class that the runtime declares and exports.
RuntimeInterface runtime_tables();

}  // namespace zc
