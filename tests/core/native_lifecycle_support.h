// A code caller for host tests of runtime classes with native constructors
// and destructors: calls at their addresses go to the native routines, as
// on the target; every other call is recorded as compiled code calls are.
#pragma once

#include "runtime/core/native_lifecycle.h"
#include "tests/core/object_test_support.h"

#include <functional>
#include <initializer_list>
#include <string_view>

namespace object_tests {

// The runtime classes whose lifecycle routines run natively.
inline std::vector<std::string_view>& native_lifecycle_classes() {
  static std::vector<std::string_view> names;
  return names;
}

// What the recorded calls do besides being recorded, by routine.
inline std::function<void(zrt::CodeAddress, std::span<const zrt::Word>)>& on_recorded_call() {
  static std::function<void(zrt::CodeAddress, std::span<const zrt::Word>)> behaviour;
  return behaviour;
}

inline zrt::Word call_natively(zrt::CodeAddress routine, std::span<const zrt::Word> arguments) {
  for (std::string_view name : native_lifecycle_classes()) {
    const zrt::ClassRecord& record = zrt::runtime_class(name);
    if (routine != record.constructor && routine != record.destructor) continue;
    const auto native = reinterpret_cast<zrt::NativeLifecycleRoutine>(zrt::pointer_of_word(routine));
    native(zrt::pointer_of<ZObject>(arguments[0]), zrt::pointer_of<zrt::ClassRecord>(arguments[1]));
    return 0;
  }
  record_call(routine, arguments);
  if (on_recorded_call()) on_recorded_call()(routine, arguments);
  return 0;
}

// The object fixture with the native caller installed for the classes.
class NativeLifecycleTest : public ObjectTest {
 protected:
  void use_native_lifecycles(std::initializer_list<std::string_view> classes) {
    native_lifecycle_classes().assign(classes.begin(), classes.end());
    on_recorded_call() = nullptr;
    zrt::set_code_caller(&call_natively);
  }

  void TearDown() override {
    on_recorded_call() = nullptr;
    ObjectTest::TearDown();
  }
};

}  // namespace object_tests
