// Arrays: lazy storage and growth, checked indices, the shifting operations,
// sorting with unstored elements, multi-dimensional access and the release
// of every stored reference exactly once.
#include "runtime/core/arrays.h"
#include "runtime/core/memory.h"
#include "runtime/core/strings.h"

#include "tests/core/leak_checked_test.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

int compare_integers(const void* first, const void* second) {
  const auto a = *static_cast<const std::int32_t*>(first);
  const auto b = *static_cast<const std::int32_t*>(second);
  return (a > b) - (a < b);
}

int compare_doubles(const void* first, const void* second) {
  const auto a = *static_cast<const double*>(first);
  const auto b = *static_cast<const double*>(second);
  return (a > b) - (a < b);
}

void release_string(void* element) { zrt::unlock_string(*static_cast<ZString**>(element)); }

int compare_strings(const void* first, const void* second) {
  return zrt::string_text(*static_cast<ZString* const*>(first))
      .compare(zrt::string_text(*static_cast<ZString* const*>(second)));
}

constexpr zrt::ElementKind integer_kind{sizeof(std::int32_t), nullptr, compare_integers};
constexpr zrt::ElementKind double_kind{sizeof(double), nullptr, compare_doubles};
constexpr zrt::ElementKind string_kind{sizeof(ZString*), release_string, compare_strings};

class ArraysTest : public runtime_test::LeakCheckedTest {
 protected:
  static ZArray* array_of_bounds(std::initializer_list<std::int32_t> bounds) {
    ZArray* array = zrt::create_array();
    for (std::int32_t bound : bounds) zrt::add_dimension(array, 0, bound);
    return array;
  }

  static std::int32_t read_int(const ZArray* array, std::int32_t index) {
    std::int32_t value = -1;
    EXPECT_TRUE(zrt::read_direct(array, index, integer_kind, &value)) << "index " << index;
    return value;
  }

  static void write_int(ZArray* array, std::int32_t index, std::int32_t value) {
    EXPECT_TRUE(zrt::write_direct(array, index, integer_kind, &value)) << "index " << index;
  }

  static std::vector<std::int32_t> stored_ints(const ZArray* array) {
    const auto* block = zrt::elements_of<std::int32_t>(array->elements);
    return {block, block + array->elements.count};
  }

};

TEST_F(ArraysTest, StorageIsLazyAndGrowsBySixteenUpToTheBound) {
  ZArray* array = array_of_bounds({255});
  EXPECT_EQ(zrt::first_upper_bound(array), 255);
  EXPECT_EQ(read_int(array, 200), 0);
  EXPECT_EQ(array->elements.count, 0) << "a read must not store anything";

  write_int(array, 3, 7);
  EXPECT_EQ(array->elements.count, 19);
  EXPECT_EQ(read_int(array, 3), 7);
  EXPECT_EQ(read_int(array, 18), 0);

  write_int(array, 250, 9);
  EXPECT_EQ(array->elements.count, 256) << "growth stops at the bound";
  EXPECT_EQ(read_int(array, 250), 9);
  EXPECT_EQ(read_int(array, 3), 7) << "growing keeps what was stored";
  zrt::dispose_array(array, integer_kind);
}

TEST_F(ArraysTest, IndicesOutsideTheBoundChangeNothing) {
  ZArray* array = array_of_bounds({255});
  std::int32_t value = 5;
  for (std::int32_t bad : {256, -1, std::numeric_limits<std::int32_t>::min()}) {
    EXPECT_FALSE(zrt::read_direct(array, bad, integer_kind, &value)) << bad;
    EXPECT_FALSE(zrt::write_direct(array, bad, integer_kind, &value)) << bad;
    EXPECT_FALSE(zrt::insert_element(array, bad, integer_kind, &value)) << bad;
    EXPECT_FALSE(zrt::remove_element(array, bad, integer_kind)) << bad;
  }
  EXPECT_EQ(zrt::first_upper_bound(array), 255);
  EXPECT_EQ(array->elements.count, 0);

  ZArray* undimensioned = zrt::create_array();
  EXPECT_FALSE(zrt::read_direct(undimensioned, 0, integer_kind, &value));
  EXPECT_FALSE(zrt::append_element(undimensioned, integer_kind, &value));
  zrt::dispose_array(undimensioned, integer_kind);
  zrt::dispose_array(array, integer_kind);
}

TEST_F(ArraysTest, DirectAccessToAnArrayOfSeveralDimensionsIsRefused) {
  // The first dimension of such an array holds vectors, not elements: an
  // element written there would be freed as a vector later.
  ZArray* array = array_of_bounds({3, 3});
  std::int32_t value = 1;
  EXPECT_FALSE(zrt::write_direct(array, 0, integer_kind, &value));
  EXPECT_FALSE(zrt::read_direct(array, 0, integer_kind, &value));
  EXPECT_FALSE(zrt::append_element(array, integer_kind, &value));
  zrt::dispose_array(array, integer_kind);
}

TEST_F(ArraysTest, AppendInsertAndRemoveMoveTheBoundAndTheElements) {
  ZArray* array = array_of_bounds({255});
  std::int32_t value = 42;
  ASSERT_TRUE(zrt::append_element(array, integer_kind, &value));
  EXPECT_EQ(zrt::first_upper_bound(array), 256);
  EXPECT_EQ(array->elements.count, 257);
  EXPECT_EQ(read_int(array, 256), 42);
  zrt::dispose_array(array, integer_kind);

  array = array_of_bounds({-1});
  for (std::int32_t v : {10, 20, 30}) ASSERT_TRUE(zrt::append_element(array, integer_kind, &v));
  value = 15;
  ASSERT_TRUE(zrt::insert_element(array, 1, integer_kind, &value));
  EXPECT_EQ(stored_ints(array), (std::vector<std::int32_t>{10, 15, 20, 30}));
  ASSERT_TRUE(zrt::remove_element(array, 0, integer_kind));
  ASSERT_TRUE(zrt::remove_element(array, 2, integer_kind));
  EXPECT_EQ(stored_ints(array), (std::vector<std::int32_t>{15, 20}));
  EXPECT_EQ(zrt::first_upper_bound(array), 1);
  zrt::dispose_array(array, integer_kind);
}

TEST_F(ArraysTest, InsertAndRemoveBeyondTheStoredPart) {
  ZArray* array = array_of_bounds({40});
  write_int(array, 0, 1);  // stores 0..15
  std::int32_t value = 8;
  ASSERT_TRUE(zrt::insert_element(array, 30, integer_kind, &value));
  EXPECT_EQ(read_int(array, 30), 8);
  EXPECT_EQ(zrt::first_upper_bound(array), 41);
  ASSERT_TRUE(zrt::remove_element(array, 41, integer_kind));
  EXPECT_EQ(zrt::first_upper_bound(array), 40);
  EXPECT_EQ(read_int(array, 30), 8) << "removing an unstored element shifts nothing";
  zrt::dispose_array(array, integer_kind);
}

TEST_F(ArraysTest, SortIncludesUnstoredElementsAsZero) {
  ZArray* array = array_of_bounds({20});
  const std::vector<std::int32_t> values{5, -1, 9, 9, 0, 3};
  for (std::size_t i = 0; i < values.size(); ++i) write_int(array, static_cast<std::int32_t>(i), values[i]);
  ASSERT_TRUE(zrt::remove_element(array, 20, integer_kind));  // bound 19, 16 stored
  zrt::sort_elements(array, integer_kind);
  const auto sorted = stored_ints(array);
  ASSERT_EQ(sorted.size(), 20u) << "sorting stores every element up to the bound";
  EXPECT_EQ(sorted.front(), -1);
  EXPECT_EQ(std::count(sorted.begin(), sorted.end(), 0), 15);
  EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end()));
  zrt::dispose_array(array, integer_kind);
}

TEST_F(ArraysTest, DoublesSortEvenWithNotANumberAmongThem) {
  ZArray* array = array_of_bounds({5});
  const double values[] = {2.5, std::nan(""), -1.0, 7.0, 0.5, 2.5};
  for (std::int32_t i = 0; i < 6; ++i) ASSERT_TRUE(zrt::write_direct(array, i, double_kind, &values[i]));
  EXPECT_EQ(array->elements.element_size, 8);
  zrt::sort_elements(array, double_kind);
  EXPECT_EQ(array->elements.count, 6);
  double first = 0;
  ASSERT_TRUE(zrt::read_direct(array, 0, double_kind, &first));
  EXPECT_TRUE(first == -1.0 || std::isnan(first));
  zrt::dispose_array(array, double_kind);
}

TEST_F(ArraysTest, StringElementsAreReleasedExactlyOnce) {
  ZArray* array = array_of_bounds({255});
  auto keep = [&](std::int32_t index, std::string_view text) {
    ZString* string = zrt::make_string(text);
    ASSERT_TRUE(zrt::write_direct(array, index, string_kind, &string));
  };
  keep(0, "first");
  keep(0, "replaces first");  // the replaced string is released here
  keep(5, "middle");
  keep(200, "last");
  ZString* shared = zrt::make_string("shared");
  zrt::lock_string(shared);  // the array's reference
  ASSERT_TRUE(zrt::append_element(array, string_kind, &shared));
  ASSERT_TRUE(zrt::remove_element(array, 5, string_kind));
  EXPECT_EQ(array->upper_bounds[0], 255);

  ZString* read = nullptr;
  ASSERT_TRUE(zrt::read_direct(array, 255, string_kind, &read));
  EXPECT_EQ(read, shared);
  zrt::sort_elements(array, string_kind);
  zrt::dispose_array(array, string_kind);
  EXPECT_EQ(shared->count, 1) << "dispose released the array's reference only";
  zrt::unlock_string(shared);
}

TEST_F(ArraysTest, MultiDimensionalReadsOfUnwrittenRowsGiveZero) {
  ZArray* array = array_of_bounds({2, 3, 4});
  std::int32_t value = -1;
  ASSERT_TRUE(zrt::start_access(array, 1, zrt::AccessMode::Read));
  ASSERT_TRUE(zrt::add_access_index(array, 2, zrt::AccessMode::Read));
  ASSERT_TRUE(zrt::read_accessed(array, 4, integer_kind, &value));
  EXPECT_EQ(value, 0);
  EXPECT_EQ(array->elements.count, 0) << "reading creates no row";

  value = 77;
  ASSERT_TRUE(zrt::start_access(array, 1, zrt::AccessMode::Write));
  ASSERT_TRUE(zrt::add_access_index(array, 2, zrt::AccessMode::Write));
  ASSERT_TRUE(zrt::write_accessed(array, 4, integer_kind, &value));
  EXPECT_EQ(array->elements.count, 2) << "the outer vector grows to the index + 1";

  value = 0;
  ASSERT_TRUE(zrt::start_access(array, 1, zrt::AccessMode::Read));
  ASSERT_TRUE(zrt::add_access_index(array, 2, zrt::AccessMode::Read));
  ASSERT_TRUE(zrt::read_accessed(array, 4, integer_kind, &value));
  EXPECT_EQ(value, 77);
  ASSERT_TRUE(zrt::start_access(array, 0, zrt::AccessMode::Read));
  ASSERT_TRUE(zrt::add_access_index(array, 2, zrt::AccessMode::Read));
  ASSERT_TRUE(zrt::read_accessed(array, 4, integer_kind, &value));
  EXPECT_EQ(value, 0) << "row 0 was never written";
  zrt::dispose_array(array, integer_kind);
}

TEST_F(ArraysTest, MultiDimensionalIndicesAreCheckedPerDimension) {
  ZArray* array = array_of_bounds({2, 3, 4});
  std::int32_t value = 1;
  EXPECT_FALSE(zrt::start_access(array, 3, zrt::AccessMode::Write));
  EXPECT_FALSE(zrt::add_access_index(array, 0, zrt::AccessMode::Write)) << "no access was started";
  ASSERT_TRUE(zrt::start_access(array, 2, zrt::AccessMode::Write));
  EXPECT_FALSE(zrt::add_access_index(array, 4, zrt::AccessMode::Write));
  EXPECT_FALSE(zrt::write_accessed(array, 0, integer_kind, &value)) << "a failed index ends the access";
  ASSERT_TRUE(zrt::start_access(array, 2, zrt::AccessMode::Write));
  EXPECT_FALSE(zrt::write_accessed(array, 0, integer_kind, &value)) << "one index is missing";
  ASSERT_TRUE(zrt::start_access(array, 2, zrt::AccessMode::Write));
  ASSERT_TRUE(zrt::add_access_index(array, 3, zrt::AccessMode::Write));
  EXPECT_FALSE(zrt::write_accessed(array, 5, integer_kind, &value));
  EXPECT_TRUE(zrt::write_accessed(array, 4, integer_kind, &value));
  zrt::dispose_array(array, integer_kind);
}

TEST_F(ArraysTest, RedimensionTrimsEveryVectorOfTheLevel) {
  ZArray* array = array_of_bounds({1, 9});
  for (std::int32_t row = 0; row <= 1; ++row)
    for (std::int32_t column : {0, 8}) {
      ZString* string = zrt::make_string("cell");
      ASSERT_TRUE(zrt::start_access(array, row, zrt::AccessMode::Write));
      ASSERT_TRUE(zrt::write_accessed(array, column, string_kind, &string));
    }
  const std::int64_t before = zrt::live_string_count();
  ASSERT_TRUE(zrt::redimension(array, 1, 4, string_kind));
  EXPECT_EQ(zrt::live_string_count(), before - 2) << "the strings in column 8 of both rows";
  ASSERT_TRUE(zrt::redimension(array, 0, 0, string_kind));
  EXPECT_EQ(zrt::live_string_count(), before - 3) << "row 1 went with its remaining string";
  EXPECT_FALSE(zrt::redimension(array, 2, 0, string_kind));
  zrt::dispose_array(array, string_kind);
}

TEST_F(ArraysTest, DimensionsStopAtTwenty) {
  ZArray* array = zrt::create_array();
  for (std::int32_t d = 0; d < max_array_dimensions; ++d) EXPECT_EQ(zrt::add_dimension(array, 0, 1), d);
  EXPECT_EQ(zrt::add_dimension(array, 0, 1), -1);
  EXPECT_EQ(array->dimension_count, max_array_dimensions);
  zrt::dispose_array(array, integer_kind);
}

}  // namespace
