// Linking code1 through the code2 records: call chains, code-to-data
// references, filler, the three forms of import name, and every malformed
// record or chain reported before anything could run.
#include <gtest/gtest.h>

#include "tests/core/image_builder.h"

#include "runtime/core/image_linker.h"

namespace loader_test {
namespace {

using zrt::k_load_failure_prefix;

struct Linked {
  std::optional<std::vector<zrt::DeferredImport>> deferred;
  zrt::LoadError error;
};

Linked link(zrt::SegmentBytes& segments, FakeResolver& resolver) {
  Linked result;
  result.deferred = zrt::link_code(zrt::ImageBlock(segments.code1, k_code_base), segments.code2, k_data_base,
                                   resolver, result.error);
  return result;
}

TEST(ImageLinker, EveryCallOfAChainReachesItsRoutine) {
  ImageBuilder image;
  const std::uint32_t first = image.call("RuntimeUnlockObject");
  const std::uint32_t other = image.call("RuntimeRun");
  const std::uint32_t second = image.call("RuntimeUnlockObject");
  const std::uint32_t third = image.call("RuntimeUnlockObject");
  auto segments = image.build();
  FakeResolver resolver;
  resolver.routines = {{"RuntimeUnlockObject", 0x00601230}, {"RuntimeRun", 0x00300010}};
  const Linked linked = link(segments, resolver);
  ASSERT_TRUE(linked.deferred) << linked.error.message;
  EXPECT_TRUE(linked.deferred->empty());
  for (const std::uint32_t site : {first, second, third}) EXPECT_EQ(call_target(segments.code1, site), 0x00601230U);
  // A target below the call needs a negative displacement.
  EXPECT_EQ(call_target(segments.code1, other), 0x00300010U);
}

TEST(ImageLinker, ChainHeadZeroLinksNothing) {
  zrt::SegmentBytes segments{{0xC3, 0xE8, 9, 9, 9, 9}, import_record("RuntimeRun", 0), {}, {}};
  FakeResolver resolver;
  resolver.routines = {{"RuntimeRun", 0x1000}};
  const Linked linked = link(segments, resolver);
  ASSERT_TRUE(linked.deferred) << linked.error.message;
  EXPECT_EQ(zrt::load_u32(segments.code1, 2), 0x09090909U);
}

TEST(ImageLinker, CodeToDataRecordsAddTheDataBaseBetweenFillerBytes) {
  ImageBuilder image;
  const std::uint32_t pointer = image.code_pointer(0x24);
  auto segments = image.build();
  // Any byte other than 1 and 2 is filler, skipped one at a time.
  segments.code2.insert(segments.code2.begin(), {0x00, 0x03, 0xFF, 0x90});
  segments.code2.push_back(0x00);
  FakeResolver resolver;
  const Linked linked = link(segments, resolver);
  ASSERT_TRUE(linked.deferred) << linked.error.message;
  EXPECT_EQ(zrt::load_u32(segments.code1, pointer), k_data_base + 0x24);
}

TEST(ImageLinker, MissingRuntimeRoutinesAreNamedTogetherAfterTheWholeStream) {
  ImageBuilder image;
  image.call("RuntimeGone");
  image.call("RuntimeRun");
  image.call("StringLost");
  auto segments = image.build();
  append(segments.code2, import_record("RuntimeGone", 0));  // named once however often it is imported
  FakeResolver resolver;
  resolver.routines = {{"RuntimeRun", 0x1000}};
  const Linked linked = link(segments, resolver);
  ASSERT_FALSE(linked.deferred);
  EXPECT_EQ(linked.error.message,
            "The application could not be loaded because the runtime exports no routines named "
            "RuntimeGone, StringLost.");
}

TEST(ImageLinker, LibraryImportsLoadEachLibraryOnceByItsExactName) {
  ImageBuilder image;
  const std::uint32_t beep = image.call("!Xuser32.dll!MessageBeep");
  const std::uint32_t box = image.call("!Xuser32.dll!MessageBoxA");
  const std::uint32_t other_case = image.call("!XUSER32.DLL!MessageBeep");
  auto segments = image.build();
  FakeResolver resolver;
  resolver.libraries = {{"user32.dll", 7}, {"USER32.DLL", 7}};
  resolver.library_routines = {{{7, "MessageBeep"}, 0x77000010}, {{7, "MessageBoxA"}, 0x77000020}};
  const Linked linked = link(segments, resolver);
  ASSERT_TRUE(linked.deferred) << linked.error.message;
  EXPECT_EQ(resolver.loads, (std::vector<std::string>{"user32.dll", "USER32.DLL"}));
  EXPECT_EQ(call_target(segments.code1, beep), 0x77000010U);
  EXPECT_EQ(call_target(segments.code1, box), 0x77000020U);
  EXPECT_EQ(call_target(segments.code1, other_case), 0x77000010U);
}

TEST(ImageLinker, LibraryFailuresUseTheirOwnMessages) {
  struct Case {
    std::string name;
    std::string message;
  };
  const Case cases[] = {
      {"!Xnowhere.dll!Open",
       "The application could not be loaded because a necessary shared library nowhere.dll could not be found."},
      {"!Xplugin.dll!Missing",
       "The application could not be loaded because the routine Missing could not be found in the shared library "
       "plugin.dll."},
      {"!Xplugin.dll", "The application could not be loaded because the library import \"!Xplugin.dll\" does not "
                       "name both a library and a routine."},
      {"!X!Open", "The application could not be loaded because the library import \"!X!Open\" does not name both a "
                  "library and a routine."},
  };
  for (const Case& test : cases) {
    ImageBuilder image;
    image.call(test.name);
    auto segments = image.build();
    FakeResolver resolver;
    resolver.libraries = {{"plugin.dll", 3}};
    const Linked linked = link(segments, resolver);
    EXPECT_FALSE(linked.deferred) << test.name;
    EXPECT_EQ(linked.error.message, test.message);
  }
}

TEST(ImageLinker, MemberImportsAreKeptNewestFirstAndLeftUnlinked) {
  ImageBuilder image;
  const std::uint32_t method = image.call("!MAppearance!Apply");
  image.call("!GCanvas!Backdrop");
  auto segments = image.build();
  const std::uint32_t unlinked = zrt::load_u32(segments.code1, method);
  FakeResolver resolver;
  const Linked linked = link(segments, resolver);
  ASSERT_TRUE(linked.deferred) << linked.error.message;
  ASSERT_EQ(linked.deferred->size(), 2U);
  EXPECT_EQ((*linked.deferred)[0].name, "GCanvas!Backdrop");
  EXPECT_EQ((*linked.deferred)[1].name, "MAppearance!Apply");
  EXPECT_EQ((*linked.deferred)[1].chain_head, method);
  EXPECT_EQ(zrt::load_u32(segments.code1, method), unlinked);
}

TEST(CallLinker, LaterChainsCanBeLinkedFromTheDeferredHeads) {
  ImageBuilder image;
  const std::uint32_t first = image.call("!MAppearance!Apply");
  const std::uint32_t second = image.call("!MAppearance!Apply");
  auto segments = image.build();
  zrt::CallLinker linker(zrt::ImageBlock(segments.code1, k_code_base));
  zrt::LoadError error;
  ASSERT_TRUE(linker.link_chain(first, 0x00500000, "MAppearance!Apply", error)) << error.message;
  EXPECT_EQ(call_target(segments.code1, first), 0x00500000U);
  EXPECT_EQ(call_target(segments.code1, second), 0x00500000U);
}

// Code1 of `calls` calls; operands at 2, 7, 12, ...
std::vector<std::uint8_t> calls_code(int calls) {
  std::vector<std::uint8_t> code{0xC3};
  for (int i = 0; i < calls; ++i) {
    code.push_back(0xE8);
    push_u32(code, 0);
  }
  return code;
}

TEST(ImageLinker, MalformedRecordsAndChainsFailWithOneClearMessage) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> code1;
    std::vector<std::uint8_t> code2;
    std::string reason;
  };
  auto cut = [](std::vector<std::uint8_t> bytes, std::size_t keep) {
    bytes.resize(keep);
    return bytes;
  };
  std::vector<std::uint8_t> looping = calls_code(2);
  zrt::store_u32(looping, 2, 7);
  zrt::store_u32(looping, 7, 2);
  std::vector<std::uint8_t> overlapping = calls_code(2);
  zrt::store_u32(overlapping, 2, 7);
  zrt::store_u32(overlapping, 7, 4);  // the third operand overlaps the first
  std::vector<std::uint8_t> shared = calls_code(1);
  std::vector<std::uint8_t> two_heads = import_record("RuntimeRun", 2);
  append(two_heads, import_record("RuntimeInit", 2));
  std::vector<std::uint8_t> outside = calls_code(1);
  zrt::store_u32(outside, 2, 0xFFFFFFFE);
  const Case cases[] = {
      {"import cut in its head", calls_code(1), cut(import_record("RuntimeRun", 2), 3),
       "code2 ends inside the import record at offset 0x0"},
      {"import cut in its name", calls_code(1), cut(import_record("RuntimeRun", 2), 9),
       "code2 ends inside the import record at offset 0x0"},
      {"pointer record cut", calls_code(1), cut(code_pointer_record(2), 4),
       "code2 ends inside the code-to-data record at offset 0x0"},
      {"pointer outside code1", calls_code(1), code_pointer_record(4),
       "the code-to-data record at code2 offset 0x0 refers to code1 offset 0x4, outside the code (0x6 bytes)"},
      {"head outside code1", calls_code(1), import_record("RuntimeRun", 3),
       "the calls of \"RuntimeRun\" lead to code1 offset 0x3, outside the code (0x6 bytes)"},
      {"next operand outside code1", outside, import_record("RuntimeRun", 2),
       "the calls of \"RuntimeRun\" lead to code1 offset 0xFFFFFFFE, outside the code (0x6 bytes)"},
      {"chain loops", looping, import_record("RuntimeRun", 2),
       "the calls of \"RuntimeRun\" reach the call operand at code1 offset 0x2 a second time"},
      {"operands overlap", overlapping, import_record("RuntimeRun", 2),
       "the calls of \"RuntimeRun\" reach the call operand at code1 offset 0x4 a second time"},
      {"two chains share a call", shared, two_heads,
       "the calls of \"RuntimeInit\" reach the call operand at code1 offset 0x2 a second time"},
      {"no kind letter", calls_code(1), import_record("!", 2),
       "the import record at code2 offset 0x0 has no kind letter after \"!\""},
  };
  for (const Case& test : cases) {
    zrt::SegmentBytes segments{test.code1, test.code2, {}, {}};
    FakeResolver resolver;
    resolver.routines = {{"RuntimeRun", 0x1000}, {"RuntimeInit", 0x2000}};
    const Linked linked = link(segments, resolver);
    EXPECT_FALSE(linked.deferred) << test.what;
    EXPECT_EQ(linked.error.message, std::string(k_load_failure_prefix) + test.reason + ".") << test.what;
  }
}

}  // namespace
}  // namespace loader_test
