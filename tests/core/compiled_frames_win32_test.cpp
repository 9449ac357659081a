// Raising through real stack frames of code written the way compiled code
// is (tests/core/compiled_frames_win32.s): the walk from the raising routine
// up through the runtime's own frames into the application's, handlers in
// the raising function and three frames up, a superclass handler, calls
// from inside a handler, the releases of call-site lists and trailers, a
// corrupt frame that ends the walk as unhandled, and the registers the
// runtime's callers of compiled code get back (compiled_calls_win32.s).
#include "tests/core/image_data_builder.h"
#include "tests/core/object_test_support.h"

#include "runtime/core/message_box.h"
#include "runtime/core/pointer_words.h"

#include <gtest/gtest.h>

#include <cstdio>

extern "C" {
// Bounds of the hand-written functions, and the functions themselves.
extern const std::uint8_t frames_code_begin[];
extern const std::uint8_t frames_code_end[];
extern const std::uint8_t catch_here[];
extern const std::uint8_t outer[];
extern const std::uint8_t handler_caller[];
extern const std::uint8_t guarded[];
extern const std::uint8_t scramble_registers[];
ZObject* call_compiled(const void* routine, const void* first, const void* second, const void* third);
int registers_kept(const void* routine);

// The runtime's call of compiled code, for registers_kept.
zrt::Word call_code_without_arguments(const void* routine) {
  return zrt::call_code(zrt::word_of_pointer(routine), {});
}
}

namespace {

using object_tests::TestClass;

// Class indices the functions name in their handlers.
const char* const k_class_table[] = {"RuntimeException", "NilObjectException", "OutOfBoundsException"};

const std::vector<std::string> k_messages = {"", "", "", "", "An exception of class %1 was not handled."};

// Shows the text where a death test can match it.
int print_message_box(zrt::WindowHandle, std::string_view text, std::string_view, unsigned) {
  std::fprintf(stderr, "message box: %.*s\n", static_cast<int>(text.size()), text.data());
  std::fflush(stderr);
  return 1;  // OK
}

const void* as_argument(std::intptr_t value) { return reinterpret_cast<const void*>(value); }

class CompiledFrames : public object_tests::ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    // The real walk over the stack, not the tests' C++ stand-in.
    m_previous_interceptor = zrt::set_raise_interceptor(nullptr);
    m_previous_answerer = zrt::set_message_box_answerer(&print_message_box);
    std::vector<zrt::Address> classes;
    for (const char* name : k_class_table) classes.push_back(m_data.runtime_class_reference(name));
    const zrt::Address descriptor = m_data.application_descriptor(classes, {});
    const zrt::MemoryView& data = m_data.install_as_data1();
    ASSERT_TRUE(zrt::build_class_table(data, descriptor, &zrt::find_runtime_class).built);
    const auto code_size = static_cast<std::size_t>(frames_code_end - frames_code_begin);
    zrt::set_image_segments({zrt::word_of_pointer(frames_code_begin),
                             std::span(const_cast<std::uint8_t*>(frames_code_begin), code_size)},
                            zrt::data1_segment());
    zrt::set_runtime_messages(k_messages);
  }

  void TearDown() override {
    zrt::set_message_box_answerer(m_previous_answerer);
    zrt::set_raise_interceptor(m_previous_interceptor);
    ObjectTest::TearDown();
  }

  static ZObject* new_exception(const char* class_name) { return zrt::new_instance(zrt::runtime_class(class_name)); }

 private:
  object_tests::ImageDataBuilder m_data;
  zrt::RaiseInterceptor m_previous_interceptor = nullptr;
  zrt::MessageBoxAnswerer m_previous_answerer = nullptr;
};

TEST_F(CompiledFrames, HandlerOfTheRaisingFunctionTakesTheExceptionWithTheWalksReference) {
  ZObject* exception = new_exception("NilObjectException");
  ZObject* caught = call_compiled(catch_here, exception, nullptr, nullptr);
  ASSERT_EQ(caught, exception);
  EXPECT_EQ(exception->count, 2);
  zrt::unlock_object(caught);
  zrt::unlock_object(exception);
}

// Raising Nil is the runtime's own NilObjectException, which nobody else
// holds: the handler gets the only reference.
TEST_F(CompiledFrames, HandlerTakesTheExceptionTheRuntimeMadeForRaisingNil) {
  ZObject* caught = call_compiled(catch_here, nullptr, nullptr, nullptr);
  ASSERT_NE(caught, nullptr);
  EXPECT_EQ(zrt::class_name(zrt::class_of(caught)), "NilObjectException");
  EXPECT_EQ(caught->count, 1);
  zrt::unlock_object(caught);
}

TEST_F(CompiledFrames, SuperclassHandlerThreeFramesUpTakesItAfterEveryFrameReleasedItsReferencesOnce) {
  TestClass held_class("Held");
  ZObject* held = zrt::new_instance(*held_class);
  ZString* text = zrt::make_string("held by the frames");
  for (const char* raised : {"NilObjectException", "EndException"}) {
    SCOPED_TRACE(raised);
    ZObject* exception = new_exception(raised);
    ZObject* caught = call_compiled(outer, exception, text, held);
    // Not the handler for OutOfBoundsException listed first: the one for
    // RuntimeException.
    ASSERT_EQ(caught, exception);
    // middle's pushed arguments (call-site list) and inner's locals
    // (trailer) each gave their reference back exactly once.
    EXPECT_EQ(text->count, 1);
    EXPECT_EQ(held->count, 1);
    EXPECT_EQ(exception->count, 2);
    zrt::unlock_object(caught);
    zrt::unlock_object(exception);
  }
  zrt::unlock_object(held);
  zrt::unlock_string(text);
}

TEST_F(CompiledFrames, ExceptionRaisedInsideAHandlerPassesThatFunctionsHandlers) {
  ZObject* first = new_exception("NilObjectException");
  ZObject* second = new_exception("OutOfBoundsException");
  ZObject* caught = call_compiled(handler_caller, first, second, nullptr);
  ASSERT_EQ(caught, second);
  // The first exception sat in the owner's handler variable; the second
  // passing through released it.
  EXPECT_EQ(first->count, 1);
  EXPECT_EQ(second->count, 2);
  zrt::unlock_object(caught);
  zrt::unlock_object(second);
  zrt::unlock_object(first);
}

TEST_F(CompiledFrames, SoundFramesLetTheGuardingHandlerTakeIt) {
  ZObject* exception = new_exception("NilObjectException");
  ZObject* caught = call_compiled(guarded, exception, nullptr, nullptr);
  ASSERT_EQ(caught, exception);
  zrt::unlock_object(caught);
  zrt::unlock_object(exception);
}

TEST_F(CompiledFrames, RuntimeCallOfCompiledCodeGivesCallersBackTheirRegisters) {
  const zrt::CodeCaller recording = zrt::set_code_caller(zrt::platform_code_caller());
  EXPECT_EQ(registers_kept(scramble_registers), 1);
  zrt::set_code_caller(recording);
}

using CompiledFramesDeathTest = CompiledFrames;

// Raises through a frame whose saved frame pointer was moved by
// `frame_offset` (0: left alone) and whose return address was replaced (0:
// left alone). Returns only if a handler took it.
void raise_through_corrupt_frame(std::intptr_t frame_offset, std::intptr_t return_address) {
  ZObject* exception = zrt::new_instance(zrt::runtime_class("NilObjectException"));
  static_cast<void>(call_compiled(guarded, exception, as_argument(frame_offset), as_argument(return_address)));
}

TEST_F(CompiledFramesDeathTest, CorruptFrameEndsTheWalkAsUnhandledWithoutCrashing) {
  const char* const unhandled = "message box: An exception of class NilObjectException was not handled\\.";
  // Saved frame pointers far above, and below, the frame.
  EXPECT_EXIT(raise_through_corrupt_frame(0x10000, 0), ::testing::ExitedWithCode(0), unhandled);
  EXPECT_EXIT(raise_through_corrupt_frame(-0x40, 0), ::testing::ExitedWithCode(0), unhandled);
  // A return address in no readable memory.
  EXPECT_EXIT(raise_through_corrupt_frame(0, 0x10), ::testing::ExitedWithCode(0), unhandled);
}

}  // namespace
