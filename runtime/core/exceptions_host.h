// Raising where there is no compiled code to return into: host tests catch
// what the runtime raises through a hook of their own.
#pragma once

#include "runtime/interface/abi_types.h"

namespace zrt {

// The hook receives the exception with the walk's reference and must not
// return (a test throws to leave the raising routine).
using HostRaiseHook = void (*)(ZObject* exception);

// Installs a hook and returns the one it replaces.
HostRaiseHook set_host_raise_hook(HostRaiseHook hook);

}  // namespace zrt
