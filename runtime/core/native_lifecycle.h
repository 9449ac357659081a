// A runtime class whose instances need native set-up and clean-up (the
// timer list, a socket's connection) gets a constructor and a destructor
// that are plain runtime functions. The object model calls them as it
// calls compiled constructors and destructors, with the instance and the
// class record, root class first on creation and last on destruction.
#pragma once

#include "runtime/core/class_records.h"

#include <string_view>

struct ZObject;

namespace zrt {

using NativeLifecycleRoutine = void (*)(ZObject* instance, ClassRecord* record);

// The runtime class must be registered.
void set_native_lifecycle(std::string_view runtime_class_name, NativeLifecycleRoutine constructor,
                          NativeLifecycleRoutine destructor);

}  // namespace zrt
