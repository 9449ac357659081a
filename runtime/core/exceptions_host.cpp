// Raising on the host: there are no compiled frames to walk or handlers to
// enter, so only tests raise there, through the interceptor.
#include "runtime/core/exceptions.h"

#include "runtime/core/assert.h"

namespace zrt {

void raise_on_platform(ZObject*) {
  ZASSERT(false, "an exception was raised on the host with no interceptor to catch it");
  __builtin_unreachable();
}

}  // namespace zrt
