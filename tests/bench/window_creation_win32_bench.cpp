// Time per call of the exported background routine on Windows, and of
// creating and closing a window from a definition like the application's
// about window.
#include "runtime/core/module_instance.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/native_windows.h"
#include "tests/bench/bench.h"
#include "tests/core/image_data_builder.h"
#include "tests/ui/definition_builder.h"

#include <windows.h>

namespace {

constexpr double background_target_ns = 20;
constexpr double create_target_ns = 10'000'000;  // a system window made and destroyed, X server round trips under Wine

}  // namespace

int main() {
  zrt::set_module_instance(::GetModuleHandleA(nullptr));
  object_tests::ImageDataBuilder image;
  const zrt::Address window_class = image.runtime_class_reference("Window");
  definition_tests::DefinitionBuilder definition;
  definition.window(0, {{"Name", "AboutWin"}, {"Frame", "1"}, {"Width", "300"}, {"Height", "200"},
                        {"Title", "About"}, {"Visible", "True"}, {"CloseBox", "False"}, {"MacProcID", "0"}});
  const zrt::Address stored = image.bytes(definition.with_length());
  const zrt::Address descriptor = image.application_descriptor({window_class}, {});
  image.install_as_data1();
  RuntimeInit(reinterpret_cast<void*>(static_cast<std::uintptr_t>(descriptor)));

  zbench::report("RuntimeBackgroundTask, tick unchanged", zbench::measure([] { RuntimeBackgroundTask(); }),
                 background_target_ns);
  void* address = reinterpret_cast<void*>(static_cast<std::uintptr_t>(stored));
  zbench::report("RuntimeCreateWindow + RuntimeCloseWindow", zbench::measure([&] {
                   ZObject* window = RuntimeCreateWindow(address, nullptr);
                   RuntimeCloseWindow(window);
                   RuntimeUnlockObject(window);
                 }),
                 create_target_ns);
  return 0;
}
