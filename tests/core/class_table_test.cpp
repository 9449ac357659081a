// Building the class table from class descriptors in image data, and the
// lookups compiled code makes through it: inheritance and interface tests,
// casts, virtual and interface dispatch, hooks.
#include "tests/core/image_data_builder.h"
#include "tests/core/object_test_support.h"

#include "runtime/interface/exports.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>

namespace {

using object_tests::class_described;
using object_tests::ClassDescription;
using object_tests::interface_described;
using object_tests::ImageDataBuilder;
using object_tests::ObjectTest;

class ClassTableTest : public ObjectTest {
 protected:
  // Builds the table from the descriptors; the image data becomes data1.
  zrt::ClassTableBuild build(const std::vector<zrt::Address>& classes) {
    const zrt::Address descriptor = m_image.application_descriptor(classes, {});
    zrt::MemoryView& data = m_image.install_as_data1();
    return zrt::build_class_table(data, descriptor, &zrt::find_runtime_class);
  }

  ImageDataBuilder m_image;
};

TEST_F(ClassTableTest, ReadsEveryFieldOfAnApplicationClass) {
  const zrt::Address dialog = m_image.runtime_class_reference("Dialog");
  ClassDescription description;
  description.size = 172;
  description.name = "main";
  description.superclass = 0;
  description.has_lifecycle = true;
  description.constructor = 0x401000;
  description.destructor = 0x401100;
  description.methods = {{"First", 0x402000}, {"Second", 0x402100}};
  description.handlers = {{"Open", 0x403000, 0}, {"Close", 0x403100, 7}};
  description.constants = {{"kOne", 1}, {"kTwo", 2}};
  description.table_word = 1;
  description.virtual_table = {0x404000, 0x404100};
  const zrt::Address main = m_image.class_descriptor(description);
  const auto result = build({dialog, main});
  ASSERT_TRUE(result.built) << result.error;
  EXPECT_TRUE(result.trace.empty());

  ASSERT_EQ(zrt::class_count(), 2);
  EXPECT_EQ(zrt::class_at_index(0), zrt::find_runtime_class("Dialog"));
  const zrt::ClassRecord* record = zrt::class_at_index(1);
  EXPECT_EQ(record->tag, 3u);
  EXPECT_EQ(zrt::class_name(record), "main");
  EXPECT_EQ(record->superclass, zrt::find_runtime_class("Dialog"));
  EXPECT_EQ(record->instance_size, 172);
  EXPECT_EQ(record->runtime_class, 0);
  EXPECT_EQ(record->constructor, 0x401000u);
  EXPECT_EQ(record->destructor, 0x401100u);
  EXPECT_EQ(record->table_word, 1u);
  // Methods keep descriptor order; handlers and constants are pushed in front.
  EXPECT_EQ(zrt::string_text(record->methods->name), "First");
  EXPECT_EQ(zrt::string_text(record->methods->next->name), "Second");
  EXPECT_EQ(zrt::string_text(record->hooks->name), "Close");
  EXPECT_EQ(record->hooks->key, 7);
  EXPECT_EQ(zrt::string_text(record->constants->name), "kTwo");
  EXPECT_EQ(record->constants->next->value, 1);

  ZObject* object = RuntimeNewObject(1);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(FindVTableCode(object, 0), 0x404000u);
  EXPECT_EQ(FindVTableCode(object, 1), 0x404100u);
  EXPECT_EQ(RuntimeFindHookCode(object, 0), 0x403000u);
  EXPECT_EQ(RuntimeFindHookCode(object, 7), 0x403100u);
  EXPECT_EQ(RuntimeFindHookCode(object, 3), 0u);
  EXPECT_EQ(RuntimeFindHookCode(nullptr, 0), 0u);
  zrt::unlock_object(object);  // runs the constructor and destructor through the seam
  EXPECT_EQ(object_tests::recorded_calls().size(), 2u);
}

TEST_F(ClassTableTest, MissingRuntimeClassLeavesANullSlot) {
  const auto result = build({m_image.runtime_class_reference("NoSuchControl")});
  ASSERT_TRUE(result.built) << result.error;
  EXPECT_EQ(zrt::class_at_index(0), nullptr);
  EXPECT_EQ(RuntimeNewObject(0), nullptr);
  EXPECT_EQ(RuntimeNewObject(1), nullptr);
}

TEST_F(ClassTableTest, ClassSmallerThanItsSuperclassIsReportedAndKept) {
  const zrt::Address listbox = m_image.runtime_class_reference("Listbox");
  const zrt::Address small = m_image.class_descriptor(class_described("Tiny", 0, 100));
  const auto result = build({listbox, small});
  ASSERT_TRUE(result.built) << result.error;
  EXPECT_EQ(result.trace,
            "!!! RuntimeInit -- Bad class object size\n\tClass Name: Tiny\n\tClass Size: 100\n"
            "\tSuper Name: Listbox\n\tSuper Size: 524\n");
  EXPECT_EQ(zrt::class_at_index(1)->instance_size, 100);
}

TEST_F(ClassTableTest, SuperclassMayComeLaterAndTheApplicationClassIsTheLastBelowApplication) {
  const zrt::Address first = m_image.class_descriptor(class_described("Early", 2, 28));
  const zrt::Address second = m_image.class_descriptor(class_described("Late", 2, 28));
  const zrt::Address application = m_image.runtime_class_reference("Application");
  const zrt::Address unrelated = m_image.class_descriptor(class_described("Other"));
  ASSERT_TRUE(build({first, second, application, unrelated}).built);
  EXPECT_EQ(zrt::class_at_index(0)->superclass, zrt::find_runtime_class("Application"));
  EXPECT_EQ(zrt::application_class(), zrt::class_at_index(1));
}

TEST_F(ClassTableTest, InterfaceDispatchFindsMethodsInSuperclassesAndTestsTheChain) {
  ClassDescription shape = interface_described("Shape");
  shape.methods = {{"Area", 0}, {"Name", 0}};
  ClassDescription base = class_described("Base");
  base.methods = {{"name", 0x405000}};  // names match without regard to case
  ClassDescription middle = class_described("Middle", 1);
  middle.interfaces = {0};
  middle.methods = {{"Area", 0x406000}};
  ClassDescription leaf = class_described("Leaf", 2);
  const auto result = build({m_image.class_descriptor(shape), m_image.class_descriptor(base),
                             m_image.class_descriptor(middle), m_image.class_descriptor(leaf)});
  ASSERT_TRUE(result.built) << result.error;

  EXPECT_EQ(zrt::class_at_index(0)->methods->position, 1);
  EXPECT_EQ(zrt::class_at_index(0)->methods->next->position, 2);
  ZObject* object = RuntimeNewObject(3);
  EXPECT_TRUE(RuntimeObjectIsa(object, 0)) << "a superclass lists the interface";
  EXPECT_TRUE(RuntimeObjectIsa(object, 1));
  EXPECT_TRUE(RuntimeObjectIsa(object, 2));
  EXPECT_FALSE(RuntimeObjectIsa(nullptr, 0));
  EXPECT_EQ(FindInterfaceVTableCode(object, 1, 0), 0x406000u);
  EXPECT_EQ(FindInterfaceVTableCode(object, 2, 0), 0x405000u) << "found in the implementing class's superclass";
  EXPECT_EQ(FindInterfaceVTableCode(object, 3, 0), 0u);
  EXPECT_EQ(FindInterfaceVTableCode(object, 0, 0), 0u);
  EXPECT_EQ(FindInterfaceVTableCode(object, 1, 1), 0u) << "not an interface the chain lists";
  zrt::unlock_object(object);

  ZObject* base_object = RuntimeNewObject(1);
  EXPECT_FALSE(RuntimeObjectIsa(base_object, 0));
  EXPECT_FALSE(RuntimeObjectIsa(base_object, 3));
  zrt::unlock_object(base_object);
}

TEST_F(ClassTableTest, CastsPassNilAndInstancesAndRaiseIllegalCastOtherwise) {
  ASSERT_TRUE(build({m_image.class_descriptor(class_described("A")),
                     m_image.class_descriptor(class_described("B", 0))})
                  .built);
  ZObject* a = RuntimeNewObject(0);
  ZObject* b = RuntimeNewObject(1);
  EXPECT_EQ(object_tests::raised_class([&] { RuntimeCheckCast(nullptr, 1); }), "");
  EXPECT_EQ(object_tests::raised_class([&] { RuntimeCheckCast(b, 0); }), "");
  EXPECT_EQ(object_tests::raised_class([&] { RuntimeCheckCast(a, 1); }), "IllegalCastException");
  EXPECT_EQ(object_tests::raised_class([&] { RuntimeCheckCast(a, 9); }), "IllegalCastException");
  EXPECT_EQ(object_tests::raised_class([&] { static_cast<void>(FindVTableCode(nullptr, 0)); }), "NilObjectException");
  zrt::unlock_object(a);
  zrt::unlock_object(b);
}

struct BadTable {
  const char* what;
  std::function<std::vector<zrt::Address>(ImageDataBuilder&)> descriptors;
  const char* error_part;
};

class BadClassTableTest : public ClassTableTest, public ::testing::WithParamInterface<BadTable> {};

TEST_P(BadClassTableTest, IsRefusedWithAReasonAndKeepsTheOldTable) {
  ASSERT_TRUE(build({m_image.class_descriptor(class_described("Kept"))}).built);
  // The application descriptor comes first, so that a descriptor cut short
  // really ends the data.
  ImageDataBuilder bad(0x00600000);
  constexpr std::uint32_t max_classes = 3;
  const zrt::Address descriptor = bad.application_descriptor(std::vector<zrt::Address>(max_classes), {});
  const std::vector<zrt::Address> classes = GetParam().descriptors(bad);
  ASSERT_LE(classes.size(), max_classes);
  bad.set_word(descriptor, static_cast<std::uint32_t>(classes.size()));
  for (std::size_t i = 0; i < classes.size(); ++i)
    bad.set_word(descriptor + 4 + 4 * static_cast<zrt::Address>(i), classes[i]);
  zrt::MemoryView& data = bad.install_as_data1();
  const auto result = zrt::build_class_table(data, descriptor, &zrt::find_runtime_class);
  EXPECT_FALSE(result.built);
  EXPECT_NE(result.error.find(GetParam().error_part), std::string::npos) << result.error;
  EXPECT_EQ(zrt::class_name(zrt::class_at_index(0)), "Kept");
}

INSTANTIATE_TEST_SUITE_P(
    Descriptors, BadClassTableTest,
    ::testing::Values(
        BadTable{"descriptor address outside the data", [](ImageDataBuilder&) { return std::vector<zrt::Address>{0x10}; },
                 "class descriptor 0: cannot read the descriptor kind"},
        BadTable{"descriptor cut short",
                 [](ImageDataBuilder& image) {
                   const zrt::Address name = image.literal("Cut");
                   return std::vector<zrt::Address>{image.words({0, 24, name, 0xFFFFFFFF, 0, 0, 3})};
                 },
                 "class descriptor 0: cannot read an interface index"},
        BadTable{"instance size of a damaged length word",
                 [](ImageDataBuilder& image) {
                   return std::vector<zrt::Address>{image.class_descriptor(class_described("Huge", 0xFFFFFFFF, 0x7FFFFFFF))};
                 },
                 "class descriptor 0: instance size 2147483647 out of range"},
        BadTable{"unreadable class name",
                 [](ImageDataBuilder& image) {
                   return std::vector<zrt::Address>{image.words({0, 24, 0x7000, 0xFFFFFFFF, 0, 0, 0, 0, 0, 0, 1})};
                 },
                 "unreadable class name"},
        BadTable{"interface listed before it is declared",
                 [](ImageDataBuilder& image) {
                   ClassDescription description = class_described("Early");
                   description.interfaces = {1};
                   return std::vector<zrt::Address>{image.class_descriptor(description),
                                                    image.class_descriptor(interface_described("I"))};
                 },
                 "interface index 1 names no earlier class"},
        BadTable{"superclass index outside the table",
                 [](ImageDataBuilder& image) {
                   return std::vector<zrt::Address>{image.class_descriptor(class_described("Orphan", 5))};
                 },
                 "superclass index 5 names no class"},
        BadTable{"superclasses in a loop",
                 [](ImageDataBuilder& image) {
                   return std::vector<zrt::Address>{image.class_descriptor(class_described("A", 1)),
                                                    image.class_descriptor(class_described("B", 0))};
                 },
                 "superclasses form a loop"},
        BadTable{"interface method not implemented",
                 [](ImageDataBuilder& image) {
                   ClassDescription shape = interface_described("Shape");
                   shape.methods = {{"Area", 0}};
                   ClassDescription square = class_described("Square");
                   square.interfaces = {0};
                   return std::vector<zrt::Address>{image.class_descriptor(shape), image.class_descriptor(square)};
                 },
                 "class \"Square\" has no method \"Area\" of interface \"Shape\""}),
    [](const ::testing::TestParamInfo<BadTable>& info) {
      std::string name;
      for (const char* c = info.param.what; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
      return name;
    });

}  // namespace
