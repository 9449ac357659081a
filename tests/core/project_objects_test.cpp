// The project object table: each descriptor kind, handing objects out by
// number, and descriptors that point outside the image data.
#include "tests/core/image_data_builder.h"
#include "tests/core/object_test_support.h"

#include "runtime/interface/exports.h"

#include <gtest/gtest.h>

namespace {

using object_tests::class_described;
using object_tests::ImageDataBuilder;
using object_tests::ObjectTest;
using zrt::Address;

// A settings stream with five messages, the last naming the class.
std::vector<std::uint8_t> settings_stream() {
  std::vector<std::uint8_t> stream = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 0, 9};
  for (char c : std::string_view("Class %1.")) stream.push_back(static_cast<std::uint8_t>(c));
  stream.insert(stream.end(), {0, 0});  // not MDI, no frame title
  return stream;
}

class ProjectObjectsTest : public ObjectTest {
 protected:
  zrt::ProjectObjectsBuild build(const std::vector<Address>& classes, const std::vector<Address>& objects) {
    const Address descriptor = m_image.application_descriptor(classes, objects);
    zrt::MemoryView& data = m_image.install_as_data1();
    EXPECT_TRUE(zrt::build_class_table(data, descriptor, &zrt::find_runtime_class).built);
    return zrt::build_project_objects(data, descriptor);
  }

  ImageDataBuilder m_image;
};

TEST_F(ProjectObjectsTest, EachKindMakesItsObjectOrPassesItsStreamOn) {
  const Address global = m_image.word(0);
  const Address picture = m_image.words({1, 7, 0xAAAA});
  const Address menu = m_image.words({2, 4, 0x01020304});
  const Address movie = m_image.words({3, 8});
  const std::vector<std::uint8_t> stream = settings_stream();
  const Address settings = m_image.words({4, 0, static_cast<std::uint32_t>(stream.size())});
  m_image.bytes(stream);
  const Address instance = m_image.words({5, 0, global});
  const Address text = m_image.bytes(std::vector<std::uint8_t>{'d', 'b', '1'});
  const Address database = m_image.words({10, 3, text, 11, 12});
  const Address unknown = m_image.words({77, 1});
  const Address holder = m_image.class_descriptor(class_described("Holder"));

  const auto result = build({holder}, {picture, 0, menu, movie, settings, instance, database, unknown});
  ASSERT_TRUE(result.built) << result.error;

  ZObject* first = RuntimeProjectObject(1);
  ZObject* again = RuntimePictureReference(1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, again);
  EXPECT_EQ(first->count, 3) << "the table's reference and one for each request";
  EXPECT_EQ(zrt::class_name(zrt::class_of(first)), "Picture");
  EXPECT_EQ(*zrt::field_at(first, zrt::project_fields::value), 7u);
  EXPECT_EQ(*zrt::field_at(first, zrt::project_fields::picture_data_address), picture + 8);
  EXPECT_EQ(*zrt::field_at(first, zrt::project_fields::data_address), 0u) << "the surface field stays free";
  zrt::unlock_object(first);
  zrt::unlock_object(again);

  for (std::int32_t empty : {0, 2, 3, 5, 6, 8, 9, -1}) EXPECT_EQ(RuntimeProjectObject(empty), nullptr) << empty;

  ASSERT_TRUE(result.menu_bar.has_value());
  EXPECT_EQ(result.menu_bar->stream, menu + 8);
  EXPECT_EQ(result.menu_bar->length, 4u);
  ASSERT_TRUE(result.settings.has_value());
  EXPECT_EQ(zrt::unhandled_exception_message(zrt::runtime_messages(), "X"), "Class X.");

  ZObject* movie_object = RuntimeProjectObject(4);
  EXPECT_EQ(zrt::class_name(zrt::class_of(movie_object)), "Movie");
  EXPECT_EQ(*zrt::field_at(movie_object, zrt::project_fields::value), 8u);
  zrt::unlock_object(movie_object);

  ZObject* created = zrt::pointer_of<ZObject>(m_image.word_at(global));
  ASSERT_NE(created, nullptr) << "kind 5 stores a new instance into its global";
  EXPECT_EQ(zrt::class_of(created), zrt::class_at_index(0));

  ZObject* database_object = RuntimeProjectObject(7);
  EXPECT_EQ(zrt::string_text(zrt::pointer_of<ZString>(*zrt::field_at(database_object, zrt::project_fields::database_text))),
            "db1");
  EXPECT_EQ(*zrt::field_at(database_object, zrt::project_fields::database_second), 12u);
  zrt::unlock_object(database_object);

  zrt::destroy_project_objects();
  zrt::unlock_object(created);
}

TEST_F(ProjectObjectsTest, DescriptorsReachingOutsideTheDataAreRefused) {
  struct Case {
    const char* what;
    std::vector<std::uint32_t> descriptor;
    std::string error;
  };
  const std::vector<Case> cases = {
      {"menu bar", {2, 0x100000}, "project object 1: the menu bar stream runs past the image data"},
      {"settings", {4, 0, 0x7FFFFFF0}, "project object 1: the settings stream runs past the image data"},
      {"database", {10, 5, 0x10, 0, 0}, "project object 1: its text runs past the image data"},
      {"instance", {5, 9, 0}, "project object 1: class index 9 names no class"},
      {"cut short", {10}, "project object 1: cannot read its descriptor"},
  };
  for (const Case& c : cases) {
    ImageDataBuilder image;
    const Address object = image.words({});
    for (std::uint32_t word : c.descriptor) image.word(word);
    const Address descriptor = image.application_descriptor({}, {object});
    zrt::MemoryView& data = image.install_as_data1();
    ASSERT_TRUE(zrt::build_class_table(data, descriptor, &zrt::find_runtime_class).built);
    const auto result = zrt::build_project_objects(data, descriptor);
    EXPECT_FALSE(result.built) << c.what;
    EXPECT_EQ(result.error.rfind(c.error, 0), 0u) << c.what << ": " << result.error;
  }
}

}  // namespace
