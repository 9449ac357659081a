// Clean-up that the runtime's own classes need when an instance goes away
// (the graphics object's port, a picture's surface). Compiled destructors are
// addresses of image code; these are plain runtime functions, registered by
// the class's name and run by the object model after the compiled ones.
#pragma once

#include "runtime/core/class_records.h"

#include <string_view>

struct ZObject;

namespace zrt {

using NativeDestructor = void (*)(ZObject* instance);

// Registering a class again replaces its destructor; null removes it.
void set_native_destructor(std::string_view runtime_class_name, NativeDestructor destructor);

// Runs the destructor registered for the record's class, if any.
void run_native_destructor(ZObject* instance, const ClassRecord& record);

}  // namespace zrt
