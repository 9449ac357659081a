// Native destructors of runtime classes: run once when the last reference
// goes, for subclasses too, and never for an application class that only
// shares the name.
#include "runtime/core/native_destructors.h"
#include "tests/core/object_test_support.h"

#include <vector>

namespace {

using object_tests::ObjectTest;
using object_tests::TestClass;

std::vector<ZObject*> g_destroyed;

void record_destruction(ZObject* instance) { g_destroyed.push_back(instance); }

class NativeDestructors : public ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    g_destroyed.clear();
    zrt::set_native_destructor("Clipboard", &record_destruction);
  }
  void TearDown() override {
    zrt::set_native_destructor("Clipboard", nullptr);
    ObjectTest::TearDown();
  }
};

TEST_F(NativeDestructors, RunOnceWhenTheLastReferenceGoes) {
  ZObject* instance = zrt::new_instance(zrt::runtime_class("Clipboard"));
  zrt::lock_object(instance);
  zrt::unlock_object(instance);
  EXPECT_TRUE(g_destroyed.empty());
  zrt::unlock_object(instance);
  EXPECT_EQ(g_destroyed, std::vector<ZObject*>{instance});
}

TEST_F(NativeDestructors, RunForSubclassesOfTheRuntimeClass) {
  TestClass subclass("MyClipboard", &zrt::runtime_class("Clipboard"), 40);
  ZObject* instance = zrt::new_instance(*subclass);
  zrt::unlock_object(instance);
  EXPECT_EQ(g_destroyed.size(), 1u);
}

TEST_F(NativeDestructors, AnApplicationClassOfTheSameNameHasNone) {
  TestClass impostor("Clipboard");
  zrt::unlock_object(zrt::new_instance(*impostor));
  EXPECT_TRUE(g_destroyed.empty());
}

}  // namespace
