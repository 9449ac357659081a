// Socket objects: each owns one implementation, made by its constructor,
// replaced by Close and retired by its destructor. The sockets join the
// event loop, which polls every implementation once per turn and turns
// without waiting while an event waits to be raised.
#pragma once

#include "runtime/net/socket_implementation.h"

namespace zrt {

// The implementation of the Socket that compiled code passed; nil raises
// NilObjectException, as every member of a nil object does.
[[nodiscard]] SocketImplementation& socket_implementation_of(ZObject* socket);

// Makes a new idle implementation for a Socket.
using SocketMaker = SocketImplementation* (*)(ZObject* owner);

// Gives the Socket class its constructor and destructor, which make
// implementations with `make`, and joins the sockets to the event loop.
// Called once when the runtime starts.
void install_sockets(SocketMaker make);

// Socket's Close: the implementation goes, with its connection and its
// buffers, and an idle one takes its place; no event is raised.
void replace_socket_implementation(ZObject* socket);

}  // namespace zrt
