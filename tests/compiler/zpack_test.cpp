// Packing an image into a runtime executable: the PICKLE resource patched to
// point at the appended blob, and every executable or blob zpack must refuse.
#include <gtest/gtest.h>

#include "tests/compiler/pe_builder.h"

#include "compiler/image_packer.h"
#include "compiler/image_writer.h"
#include "runtime/core/pe_checksum.h"

namespace pe_test {
namespace {

const std::vector<std::uint8_t> k_placeholder = {'P', 'I', 'C', 'K', 'L', 'E', 0, 0};

std::vector<std::uint8_t> small_image() {
  image::Segments segments{{0xC3}, {}, std::vector<std::uint8_t>(8, 0), {0x00, 0x40}};
  return image::pack_segments(segments);
}

PeBuilder runtime_with(std::vector<std::uint8_t> pickle, std::uint16_t id = 101) {
  PeBuilder builder;
  builder.resource({"", 16, 1, {1, 0, 0, 0}}).resource({"PICKLE", 0, id, std::move(pickle)});
  return builder;
}

std::string pack_error(const std::vector<std::uint8_t>& runtime, const std::vector<std::uint8_t>& image) {
  try {
    static_cast<void>(zpack::pack_image(runtime, image));
  } catch (const zpack::PackError& error) {
    return error.what();
  }
  return "packed";
}

TEST(Zpack, AppendsTheImageAndPointsThePickleResourceAtIt) {
  const PeBuilder builder = runtime_with(k_placeholder);
  const std::vector<std::uint8_t> runtime = builder.build();
  const std::vector<std::uint8_t> image = small_image();
  const std::vector<std::uint8_t> packed = zpack::pack_image(runtime, image);
  ASSERT_EQ(packed.size(), runtime.size() + image.size());
  const std::uint32_t pickle = builder.data_offset(1);
  EXPECT_EQ(image::read_u32(packed, pickle), runtime.size());
  EXPECT_EQ(image::read_u32(packed, pickle + 4), 0xFFFFFFFFU);
  EXPECT_TRUE(std::equal(image.begin(), image.end(), packed.begin() + static_cast<std::ptrdiff_t>(runtime.size())));
  // The checksum the loader checks is stamped over the whole file;
  // everything else is left as it was.
  const std::size_t checksum = *zrt::pe_checksum_offset(packed);
  EXPECT_TRUE(zrt::pe_checksum_matches(packed));
  for (std::size_t i = 0; i < runtime.size(); ++i) {
    if ((i < pickle || i >= pickle + 8) && (i < checksum || i >= checksum + 4)) {
      ASSERT_EQ(packed[i], runtime[i]) << "byte " << i;
    }
  }
  EXPECT_EQ(pack_error(packed, image),
            "the executable already carries an application image (its PICKLE resource is patched)");
}

TEST(Zpack, RefusesExecutablesWithoutAUsablePickleResource) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> runtime;
    std::string message;
  };
  std::vector<std::uint8_t> not_pe = small_image();
  const Case cases[] = {
      {"not a PE", not_pe, "not an executable: no \"MZ\" signature"},
      {"no resource section", PeBuilder().build(), "the executable has no resources"},
      {"no PICKLE type", PeBuilder().resource({"", 10, 101, k_placeholder}).build(),
       "the executable has no PICKLE resource"},
      {"no PICKLE 101", runtime_with(k_placeholder, 102).build(), "the executable has no resource PICKLE 101"},
      {"too short", runtime_with({'P', 'I', 'C', 'K'}).build(), "the PICKLE resource holds 4 bytes instead of 8"},
      {"too long", runtime_with(std::vector<std::uint8_t>(12, 'P')).build(),
       "the PICKLE resource holds 12 bytes instead of 8"},
  };
  for (const Case& test : cases) EXPECT_EQ(pack_error(test.runtime, small_image()), test.message) << test.what;
}

TEST(Zpack, RefusesBlobsThatAreNotFourSegments) {
  const std::vector<std::uint8_t> runtime = runtime_with(k_placeholder).build();
  std::vector<std::uint8_t> long_segment = small_image();
  long_segment[0] = 0x40;
  std::vector<std::uint8_t> trailing = small_image();
  trailing.push_back(0);
  std::vector<std::uint8_t> three = small_image();
  three.resize(4 + 1 + 4 + 4 + 8);  // code1, code2 and data1
  EXPECT_EQ(pack_error(runtime, long_segment), "the image's segment 1 of 4 claims 0x40 bytes, but 0x17 remain");
  EXPECT_EQ(pack_error(runtime, trailing), "the image has 1 bytes after its four segments");
  EXPECT_EQ(pack_error(runtime, three), "the image ends before the length of its segment 4 of 4");
}

}  // namespace
}  // namespace pe_test
