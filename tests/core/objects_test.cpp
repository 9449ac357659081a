// Instances: creation and destruction with their constructor and destructor
// order, the live object list, reference counts and the field accessors.
#include "tests/core/object_test_support.h"

#include "runtime/interface/exports.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using object_tests::ObjectTest;
using object_tests::recorded_calls;
using object_tests::TestClass;

zrt::Word word_of(const void* pointer) {
  return zrt::word_of_pointer(pointer);
}

// The live list from newest to oldest, checking the links back as it goes.
std::vector<ZObject*> live_list() {
  std::vector<ZObject*> objects;
  ZObject* newer = nullptr;
  for (ZObject* object = zrt::newest_object(); object != nullptr; object = zrt::older_object(object)) {
    EXPECT_EQ(zrt::newer_object(object), newer) << "a broken newer link";
    objects.push_back(object);
    newer = object;
  }
  return objects;
}

TEST_F(ObjectTest, ConstructorsRunRootFirstAndDestructorsTheOtherWayEachWithItsOwnClass) {
  TestClass root("Root");
  TestClass middle("Middle", root.get());
  TestClass leaf("Leaf", middle.get());
  root->constructor = 0x1001, root->destructor = 0x2001;
  middle->constructor = 0x1002, middle->destructor = 0x2002;
  leaf->constructor = 0x1003, leaf->destructor = 0x2003;

  ZObject* object = zrt::new_instance(*leaf);
  zrt::unlock_object(object);

  const std::vector<std::pair<zrt::CodeAddress, zrt::ClassRecord*>> expected = {
      {0x1001, root.get()},  {0x1002, middle.get()}, {0x1003, leaf.get()},
      {0x2003, leaf.get()},  {0x2002, middle.get()}, {0x2001, root.get()},
  };
  ASSERT_EQ(recorded_calls().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(recorded_calls()[i].routine, expected[i].first) << "call " << i;
    EXPECT_EQ(recorded_calls()[i].arguments, (std::vector<zrt::Word>{word_of(object), word_of(expected[i].second)}))
        << "call " << i;
  }
}

TEST_F(ObjectTest, ClassesWithoutLifecycleRoutinesAreSkipped) {
  TestClass root("Root");
  TestClass leaf("Leaf", root.get());
  root->destructor = 0x2001;
  zrt::unlock_object(zrt::new_instance(*leaf));
  ASSERT_EQ(recorded_calls().size(), 1u);
  EXPECT_EQ(recorded_calls()[0].routine, 0x2001u);
}

TEST_F(ObjectTest, NewInstanceHasCountOneZeroFieldsAndHeadsTheLiveList) {
  TestClass odd_size("OddSize", nullptr, 30);
  EXPECT_EQ(zrt::instance_block_size(*odd_size), 32u);
  ZObject* older = zrt::new_instance(*odd_size);
  ZObject* object = zrt::new_instance(*odd_size);

  EXPECT_EQ(object->count, 1);
  EXPECT_EQ(zrt::class_of(object), odd_size.get());
  EXPECT_EQ(object->newer_word, 0u);
  EXPECT_EQ(object->older_word, word_of(older));
  EXPECT_EQ(older->newer_word, word_of(object));
  for (std::int32_t offset = 16; offset < 32; offset += 4) EXPECT_EQ(*zrt::field_at(object, offset), 0u);

  zrt::unlock_object(object);
  zrt::unlock_object(older);
}

TEST_F(ObjectTest, SizeBelowTheHeaderStillGetsAWholeHeader) {
  TestClass tiny("Tiny", nullptr, 4);
  EXPECT_EQ(zrt::instance_block_size(*tiny), 16u);
  zrt::unlock_object(zrt::new_instance(*tiny));
}

TEST_F(ObjectTest, DestroyingFromHeadMiddleOrTailKeepsTheListLinked) {
  TestClass plain("Plain");
  for (std::size_t removed = 0; removed < 3; ++removed) {
    SCOPED_TRACE("removing list position " + std::to_string(removed));
    std::vector<ZObject*> objects;  // oldest first
    for (int i = 0; i < 3; ++i) objects.push_back(zrt::new_instance(*plain));
    std::vector<ZObject*> newest_first(objects.rbegin(), objects.rend());

    ZObject* victim = newest_first[removed];
    zrt::unlock_object(victim);
    newest_first.erase(newest_first.begin() + static_cast<std::ptrdiff_t>(removed));

    EXPECT_EQ(live_list(), newest_first);
    EXPECT_EQ(zrt::live_object_count(), 2u);
    for (ZObject* object : newest_first) zrt::unlock_object(object);
  }
}

TEST_F(ObjectTest, CountsRiseAndFallAndNilIsIgnored) {
  TestClass plain("Plain");
  ZObject* object = zrt::new_instance(*plain);
  EXPECT_EQ(RuntimeLockObject(object), object);
  EXPECT_EQ(object->count, 2);
  RuntimeUnlockObject(object);
  EXPECT_EQ(object->count, 1);
  EXPECT_EQ(zrt::live_object_count(), 1u);
  RuntimeUnlockObject(object);
  EXPECT_EQ(zrt::live_object_count(), 0u);

  EXPECT_EQ(RuntimeLockObject(nullptr), nullptr);
  RuntimeUnlockObject(nullptr);
}

TEST_F(ObjectTest, DestructorThatPassesTheInstanceOnDestroysItOnce) {
  TestClass plain("Plain");
  plain->destructor = 0x2001;
  object_tests::routine_behaviour()[0x2001] = [](std::span<const zrt::Word> arguments) {
    ZObject* self = zrt::pointer_of<ZObject>(arguments[0]);
    RuntimeLockObject(self);
    RuntimeUnlockObject(self);
  };
  zrt::unlock_object(zrt::new_instance(*plain));
  EXPECT_EQ(recorded_calls().size(), 1u);
}

TEST_F(ObjectTest, ObjectRefOwnsOneReference) {
  TestClass plain("Plain");
  ZObject* object = zrt::new_instance(*plain);
  {
    zrt::ObjectRef owner = zrt::ObjectRef::adopt(object);
    zrt::ObjectRef shared = zrt::ObjectRef::share(object);
    zrt::ObjectRef copy = shared;
    EXPECT_EQ(object->count, 3);
    zrt::ObjectRef moved = std::move(copy);
    EXPECT_EQ(object->count, 3);
    zrt::unlock_object(moved.leak());
    EXPECT_EQ(object->count, 2);
  }
  EXPECT_EQ(zrt::live_object_count(), 0u);
}

TEST_F(ObjectTest, NewObjectByIndexOutsideTheTableIsNil) {
  EXPECT_EQ(RuntimeNewObject(0), nullptr);
  EXPECT_EQ(RuntimeNewObject(-1), nullptr);
}

class FieldTest : public ObjectTest {
 protected:
  static constexpr std::int32_t object_field = 16;
  static constexpr std::int32_t string_field = 20;

  void SetUp() override {
    ObjectTest::SetUp();
    m_holder_class = zrt::create_class_record("Holder", "");
    m_holder_class->instance_size = 24;
    m_holder = zrt::new_instance(*m_holder_class);
  }

  void TearDown() override {
    objSetter(m_holder, object_field, nullptr);
    stringSetter(m_holder, string_field, nullptr);
    zrt::unlock_object(m_holder);
    zrt::destroy_class_record(m_holder_class);
    ObjectTest::TearDown();
  }

  zrt::ClassRecord* m_holder_class = nullptr;
  ZObject* m_holder = nullptr;
};

TEST_F(FieldTest, ObjectSetterTakesItsOwnReferenceAndReleasesTheOld) {
  ZObject* first = zrt::new_instance(*m_holder_class);
  ZObject* second = zrt::new_instance(*m_holder_class);
  objSetter(m_holder, object_field, first);
  EXPECT_EQ(first->count, 2);
  objSetter(m_holder, object_field, second);
  EXPECT_EQ(first->count, 1);
  EXPECT_EQ(second->count, 2);

  ZObject* read = objGetter(m_holder, object_field);
  EXPECT_EQ(read, second);
  EXPECT_EQ(second->count, 3);
  zrt::unlock_object(read);
  zrt::unlock_object(first);
  zrt::unlock_object(second);
}

TEST_F(FieldTest, StoringTheValueAlreadyThereKeepsItAlive) {
  ZObject* value = zrt::new_instance(*m_holder_class);
  objSetter(m_holder, object_field, value);
  zrt::unlock_object(value);  // the field holds the only reference now
  objSetter(m_holder, object_field, value);
  EXPECT_EQ(value->count, 1);
  EXPECT_EQ(zrt::live_object_count(), 2u);

  ZString* text = zrt::make_string("kept");
  stringSetter(m_holder, string_field, text);
  zrt::unlock_string(text);
  stringSetter(m_holder, string_field, text);
  EXPECT_EQ(text->count, 1);
  ZString* read = stringGetter(m_holder, string_field);
  EXPECT_EQ(zrt::string_text(read), "kept");
  zrt::unlock_string(read);
}

TEST_F(FieldTest, FieldsOfNilRaiseNilObjectException) {
  EXPECT_EQ(object_tests::raised_class([] { static_cast<void>(objGetter(nullptr, 16)); }), "NilObjectException");
  EXPECT_EQ(object_tests::raised_class([] { stringSetter(nullptr, 16, nullptr); }), "NilObjectException");
}

}  // namespace
