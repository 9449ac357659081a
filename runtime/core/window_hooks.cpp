// The windows layer's hooks, with the answers of a runtime without windows
// until the layer installs its own.
#include "runtime/core/window_hooks.h"

namespace zrt {
namespace {

WindowHooks g_hooks{
    .window_pass = [] {},
    .mouse_moved = [](std::int32_t, std::int32_t) {},
    .open_window_count = []() -> std::size_t { return 0; },
    .owner_window = []() -> WindowHandle { return nullptr; },
};

}  // namespace

void set_window_hooks(const WindowHooks& hooks) { g_hooks = hooks; }

const WindowHooks& window_hooks() { return g_hooks; }

}  // namespace zrt
