// The library's entry: it keeps the resolver, declares itself of interface
// version 4 and registers its eight controls in their order. The records
// registered are copies, since the runtime writes into them.
#include "app/plugin/appearance_controls.h"
#include "app/plugin/runtime_routines.h"
#include "runtime/interface/plugin_declaration.h"

#include <iterator>

namespace appearance {
namespace {

zplug::Resolver g_resolver = nullptr;

RuntimeRoutine<void(std::int32_t)> g_register_version("RegisterPluginVersion");
RuntimeRoutine<void(ControlDefinition*)> g_register_control("PluginRegisterControl");

ControlDefinition g_registered[std::size(controls)];

}  // namespace

void set_resolver(zplug::Resolver resolve) { g_resolver = resolve; }

zplug::Routine resolve_routine(const char* name) { return g_resolver != nullptr ? g_resolver(name) : nullptr; }

const ControlBehaviour inert_behaviour{nullptr, nullptr};

}  // namespace appearance

ZPLUG_DECLARE_CLASSES(appearance::controls);

extern "C" __declspec(dllexport) void ZOLTPluginMain(zplug::Resolver resolve) {
  using namespace appearance;
  set_resolver(resolve);
  auto* register_version = g_register_version.get();
  auto* register_control = g_register_control.get();
  if (register_version == nullptr || register_control == nullptr) return;
  register_version(4);
  for (std::size_t i = 0; i < std::size(controls); ++i) {
    g_registered[i] = controls[i];
    register_control(&g_registered[i]);
  }
}
