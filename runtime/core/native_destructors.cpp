// The small table of runtime classes with a native destructor, searched only
// for records of runtime classes.
#include "runtime/core/native_destructors.h"

#include "runtime/core/assert.h"
#include "runtime/core/name_equality.h"

#include <array>

namespace zrt {
namespace {

struct Registration {
  std::string_view class_name;
  NativeDestructor destructor = nullptr;
};

// A handful of runtime classes own native resources; the limit is checked.
std::array<Registration, 16> g_registrations{};

}  // namespace

void set_native_destructor(std::string_view runtime_class_name, NativeDestructor destructor) {
  ZASSERT(!runtime_class_name.empty(), "a native destructor for a class without name");
  for (Registration& registration : g_registrations) {
    if (registration.class_name.empty() || registration.class_name == runtime_class_name) {
      registration = {runtime_class_name, destructor};
      return;
    }
  }
  ZASSERT(false, "more runtime classes with native destructors than the table holds");
}

void run_native_destructor(ZObject* instance, const ClassRecord& record) {
  if (record.runtime_class == 0) return;
  const std::string_view name = class_name(&record);
  for (const Registration& registration : g_registrations) {
    if (registration.class_name.empty()) return;  // the used entries come first
    if (registration.destructor != nullptr && names_equal(registration.class_name, name)) {
      registration.destructor(instance);
      return;
    }
  }
}

}  // namespace zrt
