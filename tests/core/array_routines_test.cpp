// The exported array routines: out-of-bounds exceptions, nil arrays, the
// conversion of singles, and the references arrays keep to strings and
// objects.
#include "tests/core/object_test_support.h"

#include "runtime/core/arrays.h"

#include "runtime/interface/exports.h"

#include <gtest/gtest.h>

namespace {

using object_tests::ObjectTest;
using object_tests::raised_class;
using object_tests::TestClass;

constexpr const char* out_of_bounds = "OutOfBoundsException";

ZArray* one_dimension(std::int32_t bound) {
  ZArray* array = RuntimeCreateArray();
  RuntimeArrayCreateAddIndex(array, 0, bound);
  return array;
}

TEST_F(ObjectTest, IndicesOutsideTheBoundRaiseOutOfBounds) {
  ZArray* array = one_dimension(255);
  EXPECT_EQ(raised_class([&] { RuntimeDirectReadIntArray(array, 256); }), out_of_bounds);
  EXPECT_EQ(raised_class([&] { RuntimeDirectWriteIntArray(array, -1, 1); }), out_of_bounds);
  EXPECT_EQ(raised_class([&] { RuntimeDoubleArrayInsert(array, 257, 1.0); }), out_of_bounds);
  EXPECT_EQ(raised_class([&] { RuntimeStringArrayRemove(array, 300); }), out_of_bounds);
  EXPECT_EQ(raised_class([&] { RuntimeArrayStartReadAccess(array, 0); }), out_of_bounds)
      << "a one-dimensional array has no multi-dimensional access";
  EXPECT_EQ(raised_class([&] { EXPECT_EQ(RuntimeDirectReadIntArray(array, 255), 0); }), "");
  RuntimeDisposeIntArray(array);

  ZArray* grid = RuntimeCreateArray();
  RuntimeArrayCreateAddIndex(grid, 0, 2);
  RuntimeArrayCreateAddIndex(grid, 0, 2);
  EXPECT_EQ(raised_class([&] { RuntimeDirectWriteDoubleArray(grid, 0, 1.5); }), out_of_bounds);
  RuntimeArrayStartWriteAccess(grid, 2);
  EXPECT_EQ(raised_class([&] { RuntimeWriteIntArray(grid, 3, 1); }), out_of_bounds);
  RuntimeArrayStartWriteAccess(grid, 2);
  RuntimeWriteIntArray(grid, 2, 9);
  RuntimeArrayStartReadAccess(grid, 2);
  EXPECT_EQ(RuntimeReadIntArray(grid, 2), 9);
  RuntimeDisposeIntArray(grid);
}

TEST_F(ObjectTest, NilArraysGiveZeroAndDoNothing) {
  EXPECT_EQ(raised_class([] {
              EXPECT_EQ(RuntimeDirectReadDoubleArray(nullptr, 0), 0.0);
              EXPECT_EQ(RuntimeDirectReadStringArray(nullptr, 0), nullptr);
              RuntimeDirectWriteSingleArray(nullptr, 0, 1.0);
              RuntimeObjectArrayAppend(nullptr, nullptr);
              RuntimeStringArraySort(nullptr);
              RuntimeDisposeStringArray(nullptr);
              EXPECT_EQ(RuntimeUBound(nullptr), 0);
            }),
            "");
}

TEST_F(ObjectTest, SinglesAreStoredWithSinglePrecision) {
  ZArray* array = one_dimension(3);
  RuntimeDirectWriteSingleArray(array, 1, 0.1);
  EXPECT_EQ(RuntimeDirectReadSingleArray(array, 1), static_cast<double>(0.1f));
  EXPECT_EQ(array->elements.element_size, 4);
  RuntimeSingleArrayAppend(array, -2.0);
  RuntimeSingleArraySort(array);
  EXPECT_EQ(RuntimeDirectReadSingleArray(array, 0), -2.0);
  RuntimeDisposeIntArray(array);
}

TEST_F(ObjectTest, StringArraysHandOutAndKeepTheirOwnReferences) {
  ZArray* array = one_dimension(-1);
  ZString* beta = zrt::make_string("beta");
  ZString* alpha = zrt::make_string("Alpha");
  RuntimeStringArrayAppend(array, beta);
  RuntimeStringArrayAppend(array, alpha);
  RuntimeStringArrayInsert(array, 0, beta);
  EXPECT_EQ(beta->count, 3) << "the caller's and two of the array's";
  RuntimeStringArraySort(array);

  ZString* first = RuntimeDirectReadStringArray(array, 0);
  EXPECT_EQ(first, alpha) << "ordered ignoring letter case";
  EXPECT_EQ(alpha->count, 3);
  zrt::unlock_string(first);

  RuntimeDirectWriteStringArray(array, 0, beta);  // replaces alpha
  EXPECT_EQ(alpha->count, 1);
  RuntimeDisposeStringArray(array);
  EXPECT_EQ(beta->count, 1);
  zrt::unlock_string(beta);
  zrt::unlock_string(alpha);
}

TEST_F(ObjectTest, ObjectArraysReleaseEveryStoredInstanceOnDispose) {
  TestClass thing("Thing");
  ZObject* object = zrt::new_instance(*thing);
  ZArray* array = one_dimension(10);
  RuntimeDirectWriteObjectArray(array, 2, object);
  RuntimeObjectArrayAppend(array, object);
  EXPECT_EQ(object->count, 3);
  ZObject* read = RuntimeDirectReadObjectArray(array, 11);
  EXPECT_EQ(read, object);
  zrt::unlock_object(read);
  EXPECT_EQ(RuntimeDirectReadObjectArray(array, 5), nullptr);
  RuntimeObjectArrayRemove(array, 2);
  EXPECT_EQ(object->count, 2);
  RuntimeDisposeObjectArray(array);
  EXPECT_EQ(object->count, 1);
  zrt::unlock_object(object);
}

}  // namespace
