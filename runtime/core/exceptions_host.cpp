// Raising on the host: there are no compiled frames to walk, so the raise
// goes to the hook a test installed.
#include "runtime/core/exceptions.h"
#include "runtime/core/exceptions_host.h"

#include "runtime/core/assert.h"

#include <utility>

namespace zrt {
namespace {

HostRaiseHook g_hook = nullptr;

}  // namespace

HostRaiseHook set_host_raise_hook(HostRaiseHook hook) {
  return std::exchange(g_hook, hook);
}

void raise_on_platform(ZObject* exception) {
  ZASSERT(g_hook != nullptr, "an exception was raised on the host with no test to catch it");
  g_hook(exception);
  ZASSERT(false, "the host raise hook returned");
  __builtin_unreachable();
}

}  // namespace zrt
