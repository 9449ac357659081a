// The recorded module instance.
#include "runtime/core/module_instance.h"

namespace zrt {
namespace {

void* g_module_instance = nullptr;

}  // namespace

void set_module_instance(void* instance) { g_module_instance = instance; }

void* module_instance() { return g_module_instance; }

}  // namespace zrt
