// The executable's module instance, recorded by the start-up routine and used
// for resources and window classes. Kept as an opaque pointer so portable
// code can pass it along without the system headers.
#pragma once

namespace zrt {

void set_module_instance(void* instance);
[[nodiscard]] void* module_instance();

}  // namespace zrt
