// A plug-in built by the tests that declares interface version 2 and then
// registers a class, which the runtime must ignore.
#include "runtime/interface/plugin_records.h"

namespace {

zplug::ClassDefinition g_unseen{4, "Unseen", "", 4, 0, nullptr, nullptr, nullptr, 0, nullptr, 0,
                                nullptr, 0, nullptr, 0, nullptr};

}  // namespace

extern "C" __declspec(dllexport) void ZOLTPluginMain(zplug::Resolver resolve) {
  reinterpret_cast<void (*)(int)>(resolve("RegisterPluginVersion"))(2);
  reinterpret_cast<void (*)(void*)>(resolve("PluginRegisterClass"))(&g_unseen);
}
