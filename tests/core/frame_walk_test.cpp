// The exception walk over synthetic stacks and code: which handler takes an
// exception, which cleanups run (exactly once), and that corrupt or foreign
// frames end the walk as unhandled instead of crashing.
#include "tests/core/image_data_builder.h"
#include "tests/core/object_test_support.h"

#include "runtime/core/frame_walk.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using object_tests::ImageDataBuilder;
using object_tests::ObjectTest;
using zrt::Address;

// Class indices of the table every test builds.
constexpr std::int16_t runtime_exception_index = 0;
constexpr std::int16_t nil_object_index = 1;
constexpr std::int16_t illegal_cast_index = 2;

constexpr Address code_base = 0x00400000;
constexpr Address stack_base = 0x00120000;
constexpr Address foreign_code = 0x00700000;  // runtime code: not in code1 and not readable here

struct TrailerItem {
  std::uint8_t kind;
  std::int16_t operand;  // class index or frame offset
  Address handler = 0;
};

TrailerItem handler_for(std::int16_t class_index, Address code) {
  return {4, class_index, code};
}
TrailerItem local_string(std::int16_t offset) {
  return {5, offset};
}
TrailerItem local_object(std::int16_t offset) {
  return {6, offset};
}

// Code bytes in code1 and a stack, both at made-up addresses.
class SyntheticProcess {
 public:
  SyntheticProcess() : m_stack(0x2000, 0) {}

  Address here() const { return code_base + static_cast<Address>(m_code.size()); }

  // A call's list: 0xEB n 0x2F entries 0; returns the return address.
  Address call_site(std::vector<std::uint8_t> entries) {
    const Address at = here();
    m_code.insert(m_code.end(), {0xEB, static_cast<std::uint8_t>(entries.size() + 2), 0x2F});
    m_code.insert(m_code.end(), entries.begin(), entries.end());
    m_code.push_back(0);
    return at;
  }

  // Other instructions of the function, which hold none of the marker bytes.
  void instructions(std::size_t count) { m_code.insert(m_code.end(), count, 0x90); }

  void trailer(const std::vector<TrailerItem>& items) {
    m_code.insert(m_code.end(), {0xC9, 0xC3, 0x2F});
    for (const TrailerItem& item : items) {
      m_code.push_back(item.kind);
      push_big_endian(static_cast<std::uint16_t>(item.operand), 2);
      if (item.kind == 4) push_big_endian(item.handler - here(), 4);
    }
    m_code.push_back(0);
  }

  void frame(Address at, Address saved_frame, Address return_address) {
    put(at, saved_frame);
    put(at + 4, return_address);
  }

  void put(Address at, zrt::Word value) {
    for (int i = 0; i < 4; ++i) m_stack.at(at - stack_base + static_cast<Address>(i)) = static_cast<std::uint8_t>(value >> (8 * i));
  }

  zrt::Word at(Address address) const {
    zrt::Word value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | m_stack.at(address - stack_base + static_cast<Address>(i));
    return value;
  }

  std::optional<zrt::HandlerEntry> raise_from(Address innermost, ZObject* exception) {
    zrt::RegionMemory memory;
    memory.add_region(stack_base, m_stack, zrt::Access::ReadWrite);
    memory.add_region(code_base, m_code, zrt::Access::ReadOnly);
    return zrt::unwind_to_handler(memory, zrt::ImageSegment{code_base, m_code}, innermost, exception);
  }

 private:
  void push_big_endian(std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) m_code.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }

  std::vector<std::uint8_t> m_code;
  std::vector<std::uint8_t> m_stack;
};

class FrameWalkTest : public ObjectTest {
 protected:
  // Frames from the innermost up: the raising routine, G (which called it)
  // and H (which called G).
  static constexpr Address raising_frame = stack_base + 0x100;
  static constexpr Address g_frame = stack_base + 0x200;
  static constexpr Address h_frame = stack_base + 0x300;
  static constexpr Address outermost_frame = stack_base + 0x400;

  void SetUp() override {
    ObjectTest::SetUp();
    const std::vector<Address> classes = {m_image.runtime_class_reference("RuntimeException"),
                                          m_image.runtime_class_reference("NilObjectException"),
                                          m_image.runtime_class_reference("IllegalCastException")};
    const Address descriptor = m_image.application_descriptor(classes, {});
    ASSERT_TRUE(zrt::build_class_table(m_image.install_as_data1(), descriptor, &zrt::find_runtime_class).built);
    m_plain = zrt::create_class_record("Plain", "");
  }

  void TearDown() override {
    zrt::destroy_class_record(m_plain);
    ObjectTest::TearDown();
  }

  ZObject* new_exception(std::string_view class_name) { return zrt::new_instance(zrt::runtime_class(class_name)); }
  ZObject* new_plain() { return zrt::new_instance(*m_plain); }

  // The raising routine called from G, G called from H, H from the
  // outermost frame, whose caller is foreign code.
  void link_frames(Address g_return, Address h_return) {
    m_process.frame(raising_frame, g_frame, g_return);
    m_process.frame(g_frame, h_frame, h_return);
    m_process.frame(h_frame, outermost_frame, foreign_code);
    m_process.frame(outermost_frame, 0, 0);
  }

  // Releases what the walk stored into a handler's first local.
  void release_caught(const zrt::HandlerEntry& handler) {
    zrt::unlock_object(zrt::pointer_of<ZObject>(m_process.at(handler.frame - 4)));
  }

  ImageDataBuilder m_image;
  SyntheticProcess m_process;
  zrt::ClassRecord* m_plain = nullptr;
};

zrt::Word word_of(const void* pointer) {
  return zrt::word_of_pointer(pointer);
}

TEST_F(FrameWalkTest, CallersHandlerTakesTheExceptionAfterTheCleanupsListedBeforeIt) {
  const Address g_return = m_process.call_site({1, 4});  // the string pushed as second argument
  m_process.instructions(7);
  const Address handler_code = m_process.here();
  m_process.instructions(3);
  m_process.trailer({local_string(-8), handler_for(nil_object_index, handler_code), local_object(-12)});
  const Address h_return = m_process.call_site({});
  m_process.trailer({});
  link_frames(g_return, h_return);

  ZString* argument = zrt::make_string("pushed");
  ZString* local = zrt::make_string("local");
  ZObject* later_local = new_plain();
  zrt::lock_string(argument);
  zrt::lock_string(local);
  m_process.put(raising_frame + 8 + 4, word_of(argument));
  m_process.put(g_frame - 8, word_of(local));
  m_process.put(g_frame - 12, word_of(later_local));
  ZObject* exception = new_exception("NilObjectException");

  const auto handler = m_process.raise_from(raising_frame, exception);
  ASSERT_TRUE(handler.has_value());
  EXPECT_EQ(handler->frame, g_frame);
  EXPECT_EQ(handler->code, handler_code);
  EXPECT_EQ(argument->count, 1) << "the pushed string is released once";
  EXPECT_EQ(m_process.at(raising_frame + 12), 0u);
  EXPECT_EQ(local->count, 1) << "the local listed before the handler is released once";
  EXPECT_EQ(m_process.at(g_frame - 8), 0u);
  EXPECT_EQ(m_process.at(g_frame - 12), word_of(later_local)) << "cleanups after the handler wait";
  EXPECT_EQ(m_process.at(g_frame - 4), word_of(exception));
  EXPECT_EQ(exception->count, 1) << "the walk's reference now belongs to the first local";

  release_caught(*handler);
  zrt::unlock_object(later_local);
  zrt::unlock_string(argument);
  zrt::unlock_string(local);
}

TEST_F(FrameWalkTest, UnmatchedHandlerPassesToTheNextCallerWhoseSuperclassHandlerCatches) {
  const Address g_return = m_process.call_site({2, 0});
  const Address g_handler = m_process.here();
  m_process.trailer({handler_for(illegal_cast_index, g_handler), local_object(-8)});
  const Address h_return = m_process.call_site({});
  const Address h_handler = m_process.here();
  m_process.trailer({handler_for(runtime_exception_index, h_handler)});
  link_frames(g_return, h_return);

  ZObject* pushed = new_plain();
  ZObject* g_local = new_plain();
  ZObject* g_first_local = new_plain();
  m_process.put(raising_frame + 8, word_of(pushed));
  m_process.put(g_frame - 8, word_of(g_local));
  m_process.put(g_frame - 4, word_of(g_first_local));
  ZObject* exception = new_exception("NilObjectException");

  const auto handler = m_process.raise_from(raising_frame, exception);
  ASSERT_TRUE(handler.has_value());
  EXPECT_EQ(handler->frame, h_frame);
  EXPECT_EQ(handler->code, h_handler);
  EXPECT_EQ(zrt::live_object_count(), 1u) << "G's argument, local and first local were all released";
  for (Address slot : {raising_frame + 8, g_frame - 8, g_frame - 4}) EXPECT_EQ(m_process.at(slot), 0u);
  release_caught(*handler);
}

TEST_F(FrameWalkTest, CallFromInsideAHandlerSkipsThatFunctionsHandlers) {
  const Address g_return = m_process.call_site({7});
  const Address g_handler = m_process.here();
  m_process.trailer({handler_for(runtime_exception_index, g_handler)});
  const Address h_return = m_process.call_site({});
  const Address h_handler = m_process.here();
  m_process.trailer({handler_for(nil_object_index, h_handler)});
  link_frames(g_return, h_return);

  ZObject* earlier = new_exception("IllegalCastException");  // the exception G's handler is handling
  m_process.put(g_frame - 4, word_of(earlier));
  ZObject* exception = new_exception("NilObjectException");

  const auto handler = m_process.raise_from(raising_frame, exception);
  ASSERT_TRUE(handler.has_value());
  EXPECT_EQ(handler->frame, h_frame);
  EXPECT_EQ(m_process.at(g_frame - 4), 0u) << "G's exception variable is released as G is left";
  release_caught(*handler);
}

TEST_F(FrameWalkTest, RuntimeFramesBetweenAreSteppedOver) {
  // The raising routine was called by another runtime routine (foreign
  // code), which compiled code G called.
  constexpr Address helper_frame = stack_base + 0x180;
  const Address g_return = m_process.call_site({});
  const Address g_handler = m_process.here();
  m_process.trailer({handler_for(runtime_exception_index, g_handler)});
  m_process.frame(raising_frame - 0x40, raising_frame, foreign_code);
  m_process.frame(raising_frame, helper_frame, foreign_code);
  m_process.frame(helper_frame, g_frame, g_return);
  m_process.frame(g_frame, 0, 0);
  ZObject* exception = new_exception("RuntimeException");

  const auto handler = m_process.raise_from(raising_frame - 0x40, exception);
  ASSERT_TRUE(handler.has_value());
  EXPECT_EQ(handler->frame, g_frame);
  release_caught(*handler);
}

TEST_F(FrameWalkTest, UnhandledWalkCleansEveryFrameOnce) {
  const Address g_return = m_process.call_site({1, 0});
  m_process.trailer({local_string(-8), handler_for(illegal_cast_index, m_process.here())});
  const Address h_return = m_process.call_site({});
  m_process.trailer({local_object(-12)});
  link_frames(g_return, h_return);

  ZString* pushed = zrt::make_string("pushed");
  ZString* local = zrt::make_string("local");
  zrt::lock_string(pushed);
  zrt::lock_string(local);
  m_process.put(raising_frame + 8, word_of(pushed));
  m_process.put(g_frame - 8, word_of(local));
  m_process.put(h_frame - 12, word_of(new_plain()));
  m_process.put(h_frame - 4, word_of(new_plain()));
  ZObject* exception = new_exception("NilObjectException");

  EXPECT_FALSE(m_process.raise_from(raising_frame, exception).has_value());
  EXPECT_EQ(pushed->count, 1);
  EXPECT_EQ(local->count, 1);
  EXPECT_EQ(zrt::live_object_count(), 1u) << "only the exception is left";
  zrt::unlock_object(exception);
  zrt::unlock_string(pushed);
  zrt::unlock_string(local);
}

// The trailer is searched for in chunks of code, and byte by byte where a
// whole chunk cannot be read: it is found at every distance from the call,
// on either side of a chunk boundary, and with or without code after it.
TEST_F(FrameWalkTest, TrailerIsFoundAtAnyDistanceFromTheCall) {
  for (const std::size_t gap : {0, 61, 62, 63, 64, 65, 66, 127, 128, 129, 300}) {
    for (const std::size_t code_after : {0, 1, 200}) {
      SCOPED_TRACE("gap " + std::to_string(gap) + ", code after " + std::to_string(code_after));
      m_process = SyntheticProcess();
      const Address g_return = m_process.call_site({});
      m_process.instructions(gap);
      const Address g_handler = m_process.here();
      m_process.trailer({handler_for(runtime_exception_index, g_handler)});
      m_process.instructions(code_after);
      const Address h_return = m_process.call_site({});
      m_process.trailer({});
      link_frames(g_return, h_return);
      ZObject* exception = new_exception("NilObjectException");

      const auto handler = m_process.raise_from(raising_frame, exception);
      ASSERT_TRUE(handler.has_value());
      EXPECT_EQ(handler->frame, g_frame);
      EXPECT_EQ(handler->code, g_handler);
      release_caught(*handler);
    }
  }
}

struct CorruptStack {
  const char* what;
  Address saved_frame;       // of G's frame
  bool trailer_present = true;
  Address innermost = stack_base + 0x100;
};

class CorruptStackTest : public FrameWalkTest, public ::testing::WithParamInterface<CorruptStack> {};

TEST_P(CorruptStackTest, EndsTheWalkAsUnhandled) {
  const CorruptStack& corrupt = GetParam();
  // A handler that would take anything, in H, which lies before G in code1
  // so that the search for G's trailer cannot find H's.
  const Address h_return = m_process.call_site({});
  m_process.trailer({handler_for(runtime_exception_index, m_process.here())});
  const Address g_return = m_process.call_site({});
  m_process.instructions(16);
  if (corrupt.trailer_present) m_process.trailer({});
  m_process.frame(raising_frame, g_frame, g_return);
  m_process.frame(g_frame, corrupt.saved_frame, h_return);
  m_process.frame(h_frame, 0, h_return);
  ZObject* exception = new_exception("NilObjectException");

  EXPECT_FALSE(m_process.raise_from(corrupt.innermost, exception).has_value());
  zrt::unlock_object(exception);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, CorruptStackTest,
    ::testing::Values(CorruptStack{"FramePointerGoesDown", stack_base + 0x80},
                      CorruptStack{"FramePointsToItself", stack_base + 0x200},
                      CorruptStack{"FrameJumpsMoreThan4096Bytes", stack_base + 0x200 + 4097},
                      CorruptStack{"FrameOutsideTheStack", 0x00900000},
                      CorruptStack{"TrailerNeverFound", stack_base + 0x300, false},
                      CorruptStack{"InnermostFrameUnreadable", stack_base + 0x300, true, 0x00050000}),
    [](const ::testing::TestParamInfo<CorruptStack>& info) { return std::string(info.param.what); });

}  // namespace
