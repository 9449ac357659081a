// Linking a whole image: code records, data relocation and header together,
// and nothing reported as linked when any step fails.
#include <gtest/gtest.h>

#include "tests/core/image_builder.h"

#include "runtime/core/image_loader.h"

namespace loader_test {
namespace {

// An entry routine that calls RuntimeInit with the descriptor's address and
// then RuntimeRun, and a descriptor with no classes and one project object.
ImageBuilder small_application() {
  ImageBuilder image;
  image.call("RuntimeInit");
  image.code_pointer(12);
  image.call("RuntimeRun");
  image.call("!MAppearance!Apply");
  const std::uint32_t descriptor = image.data_word(0);  // class count
  image.data_word(1);                                    // object count
  image.data_word(20);                                   // project object 1
  image.data_word(4);                                    // its kind
  image.set_header(1, descriptor);
  image.data2_word(0x4000);  // entry
  image.data2_word(0x4200);  // descriptor
  image.data2_word(0x8007);
  image.data2_word(0x4200);  // project object 1
  return image;
}

FakeResolver runtime_resolver() {
  FakeResolver resolver;
  resolver.routines = {{"RuntimeInit", 0x00601000}, {"RuntimeRun", 0x00602000}};
  return resolver;
}

TEST(ImageLoader, LinksCodeRelocatesDataAndFindsTheEntry) {
  auto segments = small_application().build();
  FakeResolver resolver = runtime_resolver();
  zrt::LoadError error;
  const auto linked = zrt::link_image(blocks_of(segments), resolver, error);
  ASSERT_TRUE(linked) << error.message;
  EXPECT_EQ(linked->header.entry, k_code_base + 1);
  EXPECT_EQ(linked->header.application, k_data_base + 8);
  EXPECT_EQ(call_target(segments.code1, 2), 0x00601000U);
  EXPECT_EQ(zrt::load_u32(segments.code1, 6), k_data_base + 12);
  EXPECT_EQ(call_target(segments.code1, 11), 0x00602000U);
  ASSERT_EQ(linked->deferred.size(), 1U);
  EXPECT_EQ(linked->deferred[0].name, "MAppearance!Apply");

  const auto descriptor = zrt::read_application_descriptor(blocks_of(segments).data1, linked->header.application, error);
  ASSERT_TRUE(descriptor) << error.message;
  EXPECT_TRUE(descriptor->classes.empty());
  EXPECT_EQ(descriptor->project_objects, (std::vector<std::uint32_t>{k_data_base + 20}));
}

TEST(ImageLoader, AnyFailingStepFailsTheWholeLoad) {
  struct Case {
    const char* what;
    void (*corrupt)(zrt::SegmentBytes&);
    const char* reason_start;
  };
  const Case cases[] = {
      {"unknown routine", [](zrt::SegmentBytes& s) { s.code2[6] = 'X'; }, "the runtime exports no routine named"},
      {"run past data1", [](zrt::SegmentBytes& s) { s.data2.back() = 0x43; }, "the data2 word at offset 0x6"},
      {"no data2 for the entry", [](zrt::SegmentBytes& s) { s.data2.clear(); }, "its entry address 0x1 lies outside"},
  };
  for (const Case& test : cases) {
    auto segments = small_application().build();
    test.corrupt(segments);
    FakeResolver resolver = runtime_resolver();
    zrt::LoadError error;
    EXPECT_FALSE(zrt::link_image(blocks_of(segments), resolver, error)) << test.what;
    EXPECT_EQ(error.message.rfind(std::string(zrt::k_load_failure_prefix) + test.reason_start, 0), 0U)
        << test.what << ": " << error.message;
  }
}

}  // namespace
}  // namespace loader_test
