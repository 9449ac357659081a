// The Winsock transport of a socket's implementation: a non-blocking
// socket whose readiness Winsock reports as WM_USER messages to a hidden
// notification window of the class "ZTSocketClass", and a 30-second timer
// on that window for a connect that gets no answer.
#pragma once

#include "runtime/net/socket_implementation.h"

namespace zrt {

// A new idle implementation for the Socket.
[[nodiscard]] SocketImplementation* make_winsock_connection(ZObject* owner);

}  // namespace zrt
