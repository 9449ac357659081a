// Raising from runtime routines, the message of an exception no handler
// takes, and which exceptions end the application silently.
#include "tests/core/object_test_support.h"

#include "runtime/interface/exports.h"

#include <gtest/gtest.h>

namespace {

using object_tests::ObjectTest;
using object_tests::raised_class;
using object_tests::TestClass;

TEST(UnhandledExceptionMessage, UsesEntryFourWithTheClassName) {
  const std::vector<std::string> delivered = {
      "", "", "", "", "An exception of class %1 was not handled.\rThe application must shut down."};
  struct Case {
    std::vector<std::string> messages;
    std::string_view class_name;
    std::string expected;
  };
  const Case cases[] = {
      {delivered, "NilObjectException",
       "An exception of class NilObjectException was not handled.\rThe application must shut down."},
      {{"", "", "", ""}, "NilObjectException", ""},
      {{}, "EndException", ""},
      {{"", "", "", "", "No placeholder", "extra"}, "X", "No placeholder"},
      {{"", "", "", "", "%1 and %1"}, "E%1", "E%1 and E%1"},
      {{"", "", "", "", "class %1."}, "", "class ."},
  };
  for (const Case& c : cases)
    EXPECT_EQ(zrt::unhandled_exception_message(c.messages, c.class_name), c.expected) << c.class_name;
}

TEST_F(ObjectTest, OnlyTheEndExceptionClassItselfEndsSilently) {
  TestClass quitting("Quitting", &zrt::runtime_class("EndException"));
  struct Case {
    zrt::ClassRecord* record;
    bool silent;
  };
  const Case cases[] = {{&zrt::runtime_class("EndException"), true},
                        {quitting.get(), false},
                        {&zrt::runtime_class("NilObjectException"), false},
                        {&zrt::runtime_class("RuntimeException"), false}};
  for (const Case& c : cases) {
    ZObject* exception = zrt::new_instance(*c.record);
    EXPECT_EQ(zrt::ends_silently(exception), c.silent) << zrt::class_name(c.record);
    zrt::unlock_object(exception);
  }
}

TEST_F(ObjectTest, RaisingRoutinesRaiseTheirClassesWithOneReferenceForTheWalk) {
  EXPECT_EQ(raised_class([] { RuntimeNilObject(); }), "NilObjectException");
  EXPECT_EQ(raised_class([] { RuntimeRaiseException(nullptr); }), "NilObjectException");

  ZObject* own = zrt::new_instance(zrt::runtime_class("OutOfBoundsException"));
  try {
    RuntimeRaiseException(own);
    ADD_FAILURE() << "nothing was raised";
  } catch (const object_tests::Raised& raised) {
    EXPECT_EQ(raised.exception, own);
    EXPECT_EQ(own->count, 2) << "the raiser keeps its own reference";
    zrt::unlock_object(raised.exception);
  }
  zrt::unlock_object(own);

  EXPECT_EQ(raised_class([] { RuntimeReraiseException(); }), "");
}

}  // namespace
