// Random corruption of a valid image, from a fixed seed so that a failure
// repeats: splitting and linking must either succeed or stop with one
// start-up message, never crash, hang or read outside a segment.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "tests/core/image_builder.h"

#include "runtime/core/image_loader.h"

namespace loader_test {
namespace {

constexpr int k_mutations = 4000;
constexpr std::uint32_t k_seed = 0x5EED1234;

zrt::SegmentBytes sample_image() {
  ImageBuilder image;
  for (int i = 0; i < 6; ++i) {
    image.call("RuntimeUnlockObject");
    image.call(i % 2 ? "runtimelockobject" : "RuntimeRun");
    image.code_pointer(static_cast<std::uint32_t>(8 + 4 * i));
  }
  image.call("!Xplugin.dll!ZOLTPluginMain");
  image.call("!MAppearance!Apply");
  image.call("!SCanvas!Backdrop");
  for (std::uint32_t i = 0; i < 12; ++i) image.data_word(i);
  image.set_header(1, 8);
  for (const std::uint16_t word : {0x4000, 0x4200, 0x8003, 0x4201, 0x4600, 0x4400, 0x8007, 0x4202}) {
    image.data2_word(word);
  }
  auto segments = image.build();
  segments.code2.insert(segments.code2.begin(), {0x00, 0x90});
  return segments;
}

FakeResolver sample_resolver() {
  FakeResolver resolver;
  resolver.routines = {{"RuntimeUnlockObject", 0x00610000}, {"runtimelockobject", 0x00620000},
                       {"RuntimeRun", 0x00630000}};
  resolver.libraries = {{"plugin.dll", 5}};
  resolver.library_routines = {{{5, "ZOLTPluginMain"}, 0x10001000}};
  return resolver;
}

// Bytes that steer the parser: record kinds, small offsets, run and skip words.
std::uint8_t telling_byte(std::mt19937& random) {
  constexpr std::uint8_t bytes[] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x40, 0x41, 0x42, 0x46, 0x80, 0x8F, 0xFF};
  return random() % 2 ? bytes[random() % sizeof bytes] : static_cast<std::uint8_t>(random());
}

void mutate(std::vector<std::uint8_t>& bytes, std::mt19937& random) {
  switch (random() % 4) {
    case 0:
      if (!bytes.empty()) bytes.resize(random() % bytes.size());
      break;
    case 1: {
      const auto at = static_cast<std::ptrdiff_t>(random() % (bytes.size() + 1));
      bytes.insert(bytes.begin() + at, telling_byte(random));
      break;
    }
    default:
      if (!bytes.empty()) bytes[random() % bytes.size()] = telling_byte(random);
  }
}

void expect_one_message(const zrt::LoadError& error, int round) {
  const std::string& message = error.message;
  EXPECT_EQ(message.rfind(zrt::k_load_failure_prefix, 0), 0U) << "round " << round << ": " << message;
  EXPECT_TRUE(!message.empty() && message.back() == '.') << "round " << round << ": " << message;
}

TEST(ImageLoaderFuzz, CorruptedImagesLoadOrFailWithOneMessage) {
  const zrt::SegmentBytes valid = sample_image();
  {
    auto segments = valid;
    FakeResolver resolver = sample_resolver();
    zrt::LoadError error;
    ASSERT_TRUE(zrt::link_image(blocks_of(segments), resolver, error)) << error.message;
  }
  std::mt19937 random(k_seed);
  const auto start = std::chrono::steady_clock::now();
  int failures = 0;
  for (int round = 0; round < k_mutations; ++round) {
    std::vector<std::uint8_t> blob = blob_of(valid);
    auto segments = valid;
    std::vector<std::uint8_t>* targets[] = {&blob, &segments.code1, &segments.code2, &segments.code2,
                                            &segments.data1, &segments.data2, &segments.data2};
    std::vector<std::uint8_t>* target = targets[random() % std::size(targets)];
    for (unsigned count = 1 + random() % 3; count > 0; --count) mutate(*target, random);

    zrt::LoadError error;
    if (target == &blob) {
      const auto split = zrt::split_image(blob, error);
      if (!split) {
        expect_one_message(error, round);
        ++failures;
        continue;
      }
      segments = *split;
    }
    FakeResolver resolver = sample_resolver();
    const auto linked = zrt::link_image(blocks_of(segments), resolver, error);
    if (!linked) {
      expect_one_message(error, round);
      ++failures;
    } else {
      EXPECT_LT(linked->header.entry - k_code_base, segments.code1.size()) << "round " << round;
    }
  }
  // Both outcomes must be exercised, or the mutations tell nothing.
  EXPECT_GT(failures, k_mutations / 10);
  EXPECT_LT(failures, k_mutations);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace loader_test
