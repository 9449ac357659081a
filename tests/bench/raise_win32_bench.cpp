// Time to raise an exception and catch it two frames up, through the real
// stack: outer's handler takes what inner raises, after middle's call-site
// list and inner's trailer released their references (the functions of
// tests/core/compiled_frames_win32.s).
#include "runtime/core/class_table.h"
#include "runtime/core/image_bases.h"
#include "runtime/core/objects.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/core/strings.h"
#include "tests/bench/bench.h"
#include "tests/core/image_data_builder.h"

#include <cstdio>

extern "C" {
extern const std::uint8_t frames_code_begin[];
extern const std::uint8_t frames_code_end[];
extern const std::uint8_t outer[];
ZObject* call_compiled(const void* routine, const void* first, const void* second, const void* third);
}

namespace {

constexpr double raise_target_ns = 5000;

bool install_frames_image(object_tests::ImageDataBuilder& data) {
  std::vector<zrt::Address> classes;
  for (const char* name : {"RuntimeException", "NilObjectException", "OutOfBoundsException"})
    classes.push_back(data.runtime_class_reference(name));
  const zrt::Address descriptor = data.application_descriptor(classes, {});
  const zrt::MemoryView& memory = data.install_as_data1();
  if (!zrt::build_class_table(memory, descriptor, &zrt::find_runtime_class).built) return false;
  const auto code_size = static_cast<std::size_t>(frames_code_end - frames_code_begin);
  zrt::set_image_segments({zrt::word_of_pointer(frames_code_begin),
                           std::span(const_cast<std::uint8_t*>(frames_code_begin), code_size)},
                          zrt::data1_segment());
  return true;
}

}  // namespace

int main() {
  zrt::register_runtime_classes(nullptr);
  object_tests::ImageDataBuilder data;
  if (!install_frames_image(data)) {
    std::printf("the class table could not be built\n");
    return 1;
  }
  ZObject* exception = zrt::new_instance(zrt::runtime_class("NilObjectException"));
  ZObject* held = zrt::new_instance(zrt::runtime_class("RuntimeException"));
  ZString* text = zrt::make_string("held");
  bool caught = true;
  zbench::report("raise, caught two frames up", zbench::measure([&] {
                   ZObject* taken = call_compiled(outer, exception, text, held);
                   caught = caught && taken == exception;
                   zrt::unlock_object(taken);
                 }),
                 raise_target_ns);
  zrt::unlock_string(text);
  zrt::unlock_object(held);
  zrt::unlock_object(exception);
  zrt::destroy_class_table();
  zrt::unregister_runtime_classes();
  if (!caught) std::printf("an exception was not caught where it should be\n");
  return caught ? 0 : 1;
}
