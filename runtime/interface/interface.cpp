// Compile-time checks of the interface tables that need every table at once.
#include "runtime/interface/interface.h"

namespace zif {

static_assert(routine_count() > 0, "the interface declares no routine");

}  // namespace zif
