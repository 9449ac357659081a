// Time per pair of the reference-counting routines compiled code calls most:
// creating an instance of an application class and releasing it, and taking
// and dropping a reference to a string.
#include "runtime/core/class_table.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"
#include "tests/bench/bench.h"
#include "tests/core/image_data_builder.h"

#include <cstdio>

namespace {

constexpr double object_pair_target_ns = 100;
constexpr double string_pair_target_ns = 5;

void bench_object_pairs() {
  object_tests::ImageDataBuilder data;
  const zrt::Address measured = data.class_descriptor(object_tests::class_described("Measured", object_tests::no_superclass, 40));
  const zrt::Address descriptor = data.application_descriptor({measured}, {});
  const zrt::MemoryView& memory = data.install_as_data1();
  if (!zrt::build_class_table(memory, descriptor, &zrt::find_runtime_class).built) {
    std::printf("the class table could not be built\n");
    return;
  }
  zbench::report("RuntimeNewObject + RuntimeUnlockObject",
                 zbench::measure([] { RuntimeUnlockObject(RuntimeNewObject(0)); }), object_pair_target_ns);
  zrt::destroy_class_table();
}

void bench_string_pairs() {
  ZString* text = zrt::make_string("Plot of ");
  zbench::report("RuntimeLockString + RuntimeUnlockString", zbench::measure([text] {
                   RuntimeLockString(text);
                   RuntimeUnlockString(text);
                 }),
                 string_pair_target_ns);
  RuntimeUnlockString(text);
}

}  // namespace

int main() {
  zrt::register_runtime_classes(nullptr);
  bench_object_pairs();
  bench_string_pairs();
  zrt::unregister_runtime_classes();
  return 0;
}
