// The class records of the runtime's own classes, made once from the
// interface tables, and the dictionary through which they are found by name
// (class descriptors of the image that refer to a runtime class, raising).
#pragma once

#include "runtime/core/class_records.h"

#include <string_view>

namespace zrt {

// Gives the address of an exported routine by name, 0 when there is none.
using RoutineResolver = CodeAddress (*)(std::string_view routine_name);

// Makes a record for every declared runtime class, with superclasses linked
// and member routines resolved. Called once; a resolver of null leaves every
// member routine 0.
void register_runtime_classes(RoutineResolver resolve_routine);
// Frees the records again, for a fresh start (tests).
void unregister_runtime_classes();
[[nodiscard]] bool runtime_classes_registered();

// Null when no runtime class has that name, or none is registered yet.
[[nodiscard]] ClassRecord* find_runtime_class(std::string_view name);
// A class the runtime itself relies on; its absence is a bug.
[[nodiscard]] ClassRecord& runtime_class(std::string_view name);

// The member name of a declaration in the language's syntax: the text
// before the parameter list or the result type.
[[nodiscard]] std::string_view declared_member_name(std::string_view declaration);

}  // namespace zrt
