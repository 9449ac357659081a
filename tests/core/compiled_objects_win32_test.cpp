// The object model as compiled code meets it (tests/core/
// compiled_objects_win32.s): the class table built from class descriptors
// written as the compiler writes them, instances made and released through
// the exported routines with their constructors and destructors run as real
// code, casts whose failure the raising function's own handler takes,
// virtual and interface dispatch, hooks by key and by event, and a field
// that is given the value it already holds. The fixture's leak check sees
// the live object list empty after every case.
#include "tests/core/object_test_support.h"

#include "runtime/core/code_calls.h"
#include "runtime/core/events.h"
#include "runtime/core/pointer_words.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

extern "C" {
extern const std::uint8_t objects_code_begin[];
extern const std::uint8_t objects_code_end[];
extern std::uint8_t objects_data_begin[];
extern std::uint8_t objects_data_end[];
extern const std::uint8_t objects_application[];
extern const std::uint8_t new_object[];
extern const std::uint8_t release[];
extern const std::uint8_t is_a[];
extern const std::uint8_t cast_passes[];
extern const std::uint8_t virtual_area[];
extern const std::uint8_t named_describe[];
extern const std::uint8_t hook_result[];
extern const std::uint8_t hold[];
extern const zrt::Word lifecycle_log[];
extern zrt::Word lifecycle_count;
}

namespace {

// The class indices of the image's class table.
enum ClassIndex : std::int32_t { named, base, middle, leaf, stranger, illegal_cast_exception, application };
constexpr std::int32_t k_open_key = 7;
constexpr std::int32_t k_no_routine = -1;

struct LifecycleCall {
  char mark;
  const zrt::ClassRecord* record;
  bool operator==(const LifecycleCall&) const = default;
};

// Calls compiled code the way the runtime does, which expects the
// registers compiled code need not keep to change.
template <typename... Arguments>
zrt::Word call(const std::uint8_t* routine, Arguments... arguments) {
  const std::array<zrt::Word, sizeof...(Arguments)> words{zrt::Word(arguments)...};
  return zrt::call_code(zrt::word_of_pointer(routine), words);
}

zrt::Word word_of(const ZObject* object) { return zrt::word_of_pointer(object); }

class CompiledObjects : public object_tests::ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    m_previous_caller = zrt::set_code_caller(zrt::platform_code_caller());
    m_previous_interceptor = zrt::set_raise_interceptor(nullptr);
    zrt::set_image_segments(
        {zrt::word_of_pointer(objects_code_begin),
         std::span(const_cast<std::uint8_t*>(objects_code_begin), static_cast<std::size_t>(objects_code_end - objects_code_begin))},
        {zrt::word_of_pointer(objects_data_begin),
         std::span(objects_data_begin, static_cast<std::size_t>(objects_data_end - objects_data_begin))});
    const auto built = zrt::build_class_table(zrt::image_data(), zrt::word_of_pointer(objects_application),
                                              &zrt::find_runtime_class);
    ASSERT_TRUE(built.built) << built.error;
    lifecycle_count = 0;
  }

  void TearDown() override {
    zrt::set_raise_interceptor(m_previous_interceptor);
    zrt::set_code_caller(m_previous_caller);
    ObjectTest::TearDown();
  }

  static ZObject* make(ClassIndex index) { return zrt::pointer_of<ZObject>(call(new_object, index)); }
  static void drop(ZObject* object) { call(release, word_of(object)); }
  static const zrt::ClassRecord* record(ClassIndex index) { return zrt::class_at_index(index); }

  static std::vector<LifecycleCall> lifecycle_calls() {
    std::vector<LifecycleCall> calls;
    for (zrt::Word i = 0; i < lifecycle_count; ++i)
      calls.push_back({static_cast<char>(lifecycle_log[2 * i]), zrt::pointer_of<zrt::ClassRecord>(lifecycle_log[2 * i + 1])});
    return calls;
  }

 private:
  zrt::CodeCaller m_previous_caller = nullptr;
  zrt::RaiseInterceptor m_previous_interceptor = nullptr;
};

TEST_F(CompiledObjects, ConstructorsRunRootFirstAndDestructorsTheOtherWayEachGivenItsOwnClass) {
  ZObject* object = make(leaf);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(zrt::class_of(object), record(leaf));
  EXPECT_EQ(lifecycle_calls(), (std::vector<LifecycleCall>{{'B', record(base)}, {'M', record(middle)}, {'L', record(leaf)}}));
  drop(object);
  EXPECT_EQ(lifecycle_calls(), (std::vector<LifecycleCall>{{'B', record(base)},
                                                           {'M', record(middle)},
                                                           {'L', record(leaf)},
                                                           {'l', record(leaf)},
                                                           {'m', record(middle)},
                                                           {'b', record(base)}}));
}

TEST_F(CompiledObjects, ReleasingFromTheMiddleHeadAndTailOfTheLiveListKeepsItLinked) {
  ZObject* oldest = make(stranger);
  ZObject* second = make(stranger);
  ZObject* third = make(stranger);
  ZObject* newest = make(stranger);
  drop(third);
  EXPECT_EQ(zrt::older_object(newest), second);
  EXPECT_EQ(zrt::newer_object(second), newest);
  drop(newest);
  EXPECT_EQ(zrt::newest_object(), second);
  EXPECT_EQ(zrt::newer_object(second), nullptr);
  drop(oldest);
  EXPECT_EQ(zrt::older_object(second), nullptr);
  EXPECT_EQ(zrt::live_object_count(), 1u);
  drop(second);
}

TEST_F(CompiledObjects, CastsPassUpTheChainAndFailingOnesRaiseIntoTheCastingFunctionsHandler) {
  ZObject* a_leaf = make(leaf);
  ZObject* a_base = make(base);
  ZObject* a_stranger = make(stranger);
  for (const ClassIndex ancestor : {leaf, middle, base, application, named}) {
    EXPECT_EQ(call(is_a, word_of(a_leaf), ancestor), 1u) << "class index " << ancestor;
    EXPECT_EQ(call(cast_passes, word_of(a_leaf), ancestor), 1u) << "class index " << ancestor;
  }
  EXPECT_EQ(call(is_a, word_of(a_base), leaf), 0u);
  EXPECT_EQ(call(is_a, word_of(a_base), named), 0u) << "only Middle and below implement Named";
  EXPECT_EQ(call(is_a, 0, base), 0u);
  EXPECT_EQ(call(cast_passes, 0, leaf), 1u) << "Nil passes every cast";
  EXPECT_EQ(call(cast_passes, word_of(a_base), leaf), 0u);
  EXPECT_EQ(call(cast_passes, word_of(a_stranger), base), 0u);
  for (ZObject* object : {a_leaf, a_base, a_stranger}) EXPECT_EQ(object->count, 1);
  for (ZObject* object : {a_leaf, a_base, a_stranger}) drop(object);
}

TEST_F(CompiledObjects, VirtualAndInterfaceCallsReachTheObjectsOwnClassOrTheClassListingTheInterface) {
  ZObject* objects[] = {make(base), make(middle), make(leaf)};
  EXPECT_EQ(call(virtual_area, word_of(objects[0])), 1u);
  EXPECT_EQ(call(virtual_area, word_of(objects[1])), 2u);
  EXPECT_EQ(call(virtual_area, word_of(objects[2])), 3u);
  EXPECT_EQ(static_cast<std::int32_t>(call(named_describe, word_of(objects[0]))), k_no_routine);
  EXPECT_EQ(call(named_describe, word_of(objects[1])), 20u);
  EXPECT_EQ(call(named_describe, word_of(objects[2])), 20u) << "Leaf implements Named through Middle";
  for (ZObject* object : objects) drop(object);
}

// A hook by key is looked for from the object's own class up; an event's
// handler from the class nearest the one that declares the event.
TEST_F(CompiledObjects, HooksByKeyStartAtTheOwnClassAndEventsAtTheDeclaringClass) {
  ZObject* a_leaf = make(leaf);
  ZObject* a_base = make(base);
  EXPECT_EQ(call(hook_result, word_of(a_leaf), k_open_key), 200u);
  EXPECT_EQ(call(hook_result, word_of(a_base), k_open_key), 100u);
  EXPECT_EQ(static_cast<std::int32_t>(call(hook_result, word_of(a_leaf), k_open_key + 1)), k_no_routine);
  EXPECT_EQ(static_cast<std::int32_t>(call(hook_result, 0, k_open_key)), k_no_routine);
  EXPECT_EQ(zrt::raise_event(a_leaf, {"Application", "Open"}), 100u)
      << "Base's handler is nearest Application, which declares Open";
  EXPECT_EQ(zrt::raise_event(a_leaf, {"Application", "Close"}), 0u);
  drop(a_leaf);
  drop(a_base);
}

TEST_F(CompiledObjects, StoringTheValueAFieldHoldsKeepsItAndTheDestructorReleasesTheField) {
  ZObject* holder = make(base);
  ZObject* held = make(stranger);
  ZObject* next = make(stranger);
  call(hold, word_of(holder), word_of(held));
  call(hold, word_of(holder), word_of(held));
  EXPECT_EQ(held->count, 2);
  call(hold, word_of(holder), word_of(next));
  EXPECT_EQ(held->count, 1);
  EXPECT_EQ(next->count, 2);
  drop(holder);
  EXPECT_EQ(next->count, 1);
  drop(held);
  drop(next);
}

}  // namespace
