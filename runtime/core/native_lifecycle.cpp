// Native constructors and destructors of runtime classes.
#include "runtime/core/native_lifecycle.h"

#include "runtime/core/pointer_words.h"
#include "runtime/core/runtime_classes.h"

namespace zrt {
namespace {

CodeAddress address_of(NativeLifecycleRoutine routine) {
  return routine == nullptr ? 0 : word_of_pointer(reinterpret_cast<const void*>(routine));
}

}  // namespace

void set_native_lifecycle(std::string_view runtime_class_name, NativeLifecycleRoutine constructor,
                          NativeLifecycleRoutine destructor) {
  ClassRecord& record = runtime_class(runtime_class_name);
  record.constructor = address_of(constructor);
  record.destructor = address_of(destructor);
}

}  // namespace zrt
