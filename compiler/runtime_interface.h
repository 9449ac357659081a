// The runtime's routines, classes and built-in functions as the checker sees them: by default the
// runtime's own declarative tables, or any other set (tests bring their own).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "runtime/interface/declarations.h"

namespace zc {

struct RuntimeInterface {
  std::vector<zif::RoutineDecl> routines;
  std::vector<zif::ClassDecl> classes;
  std::vector<zif::BuiltinDecl> builtins;
  // Plug-ins' global methods: declaration and the deferred import that links them.
  std::vector<zif::MethodDecl> global_methods = {};
  // What the classes that plug-ins declare view: their texts and member tables.
  std::deque<std::string> owned_texts = {};
  std::deque<std::vector<zif::PropertyDecl>> owned_properties = {};
  std::deque<std::vector<zif::MethodDecl>> owned_methods = {};
  std::deque<std::vector<zif::EventDecl>> owned_events = {};
};

// Every routine, class and built-in function that the runtime declares.
RuntimeInterface runtime_tables();

}  // namespace zc
