// Support for the object model's tests: a fixture that registers the runtime
// classes and checks that a test leaves no object, string or byte behind, a
// code caller that records the calls the runtime makes into compiled code,
// and a raise hook that turns a raised exception into a C++ exception the
// test can catch.
#pragma once

#include "runtime/core/class_table.h"
#include "runtime/core/code_calls.h"
#include "runtime/core/exceptions.h"
#include "runtime/core/image_bases.h"
#include "runtime/core/memory.h"
#include "runtime/core/objects.h"
#include "runtime/core/project_objects.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/core/strings.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

namespace object_tests {

struct RecordedCall {
  zrt::CodeAddress routine;
  std::vector<zrt::Word> arguments;
};

// What a raise on the host throws; it owns the walk's reference.
struct Raised {
  ZObject* exception;
};

inline std::vector<RecordedCall>& recorded_calls() {
  static std::vector<RecordedCall> calls;
  return calls;
}

// Behaviour for particular routines; the others only get recorded.
inline std::map<zrt::CodeAddress, std::function<void(std::span<const zrt::Word>)>>& routine_behaviour() {
  static std::map<zrt::CodeAddress, std::function<void(std::span<const zrt::Word>)>> behaviour;
  return behaviour;
}

inline zrt::Word record_call(zrt::CodeAddress routine, std::span<const zrt::Word> arguments) {
  recorded_calls().push_back(RecordedCall{routine, {arguments.begin(), arguments.end()}});
  if (auto found = routine_behaviour().find(routine); found != routine_behaviour().end()) found->second(arguments);
  return 0;
}

[[noreturn]] inline void throw_raised(ZObject* exception) {
  throw Raised{exception};
}

// The class name of what the call raised, after releasing it; empty when
// nothing was raised.
template <typename Call>
std::string raised_class(Call call) {
  try {
    call();
  } catch (const Raised& raised) {
    std::string name(zrt::class_name(zrt::class_of(raised.exception)));
    zrt::unlock_object(raised.exception);
    return name;
  }
  return {};
}

// An application-style class record that the test owns.
class TestClass {
 public:
  explicit TestClass(std::string_view name, zrt::ClassRecord* superclass = nullptr, std::int32_t size = 24)
      : m_record(zrt::create_class_record(name, "")) {
    m_record->superclass = superclass;
    m_record->instance_size = size;
  }
  TestClass(const TestClass&) = delete;
  TestClass& operator=(const TestClass&) = delete;
  ~TestClass() { zrt::destroy_class_record(m_record); }

  zrt::ClassRecord& operator*() const { return *m_record; }
  zrt::ClassRecord* operator->() const { return m_record; }
  zrt::ClassRecord* get() const { return m_record; }

 private:
  zrt::ClassRecord* m_record;
};

// The leak check: every test ends with the live object list empty and the
// string count and live bytes where they started.
class ObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_strings = zrt::live_string_count();
    m_bytes = zrt::live_bytes();
    zrt::register_runtime_classes(nullptr);
    m_previous_caller = zrt::set_code_caller(&record_call);
    m_previous_hook = zrt::set_raise_interceptor(&throw_raised);
    recorded_calls().clear();
    routine_behaviour().clear();
  }

  void TearDown() override {
    zrt::destroy_project_objects();
    zrt::destroy_class_table();
    EXPECT_EQ(zrt::newest_object(), nullptr) << "an object is still alive";
    EXPECT_EQ(zrt::live_object_count(), 0u);
    zrt::unregister_runtime_classes();
    zrt::set_code_caller(m_previous_caller);
    zrt::set_raise_interceptor(m_previous_hook);
    zrt::set_runtime_messages({});
    zrt::set_image_segments({}, {});
    routine_behaviour().clear();
    EXPECT_EQ(zrt::live_string_count(), m_strings) << "a string leaked";
    EXPECT_EQ(zrt::live_bytes(), m_bytes) << "memory leaked or was released with the wrong size";
  }

 private:
  std::int64_t m_strings = 0;
  std::size_t m_bytes = 0;
  zrt::CodeCaller m_previous_caller = nullptr;
  zrt::RaiseInterceptor m_previous_hook = nullptr;
};

}  // namespace object_tests
