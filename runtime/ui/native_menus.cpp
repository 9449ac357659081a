// Which native menus the runtime's menus talk to.
#include "runtime/ui/native_menus.h"

#include <utility>

namespace zrt {
namespace {

NativeMenus* g_installed = nullptr;

}  // namespace

NativeMenus& native_menus() { return g_installed != nullptr ? *g_installed : system_native_menus(); }

NativeMenus* set_native_menus(NativeMenus* menus) { return std::exchange(g_installed, menus); }

}  // namespace zrt
