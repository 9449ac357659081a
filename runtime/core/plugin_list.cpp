#include "runtime/core/plugin_list.h"

#include "runtime/interface/exports.h"

namespace zrt {
namespace {

const void* g_plugin_list = nullptr;

}  // namespace

const void* recorded_plugin_list() { return g_plugin_list; }

}  // namespace zrt

extern "C" void Win32InstallPlugins(void* list) { zrt::g_plugin_list = list; }
