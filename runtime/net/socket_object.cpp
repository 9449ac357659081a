// Socket objects and their implementations.
#include "runtime/net/socket_object.h"

#include "runtime/core/event_loop.h"
#include "runtime/core/exceptions.h"
#include "runtime/core/instance_fields.h"
#include "runtime/core/native_lifecycle.h"
#include "runtime/interface/socket_members.h"

namespace zrt {
namespace {

namespace fields = zif::socket_fields;

SocketMaker g_make = nullptr;

void construct_socket_instance(ZObject* socket, ClassRecord*) {
  InstanceFields(socket).set_record(fields::implementation, g_make(socket));
}

void destroy_socket_instance(ZObject* socket, ClassRecord*) {
  const InstanceFields stored(socket);
  SocketImplementation::retire(stored.record<SocketImplementation>(fields::implementation));
  stored.set_record<SocketImplementation>(fields::implementation, nullptr);
  stored.store_string(fields::address, nullptr);
}

}  // namespace

SocketImplementation& socket_implementation_of(ZObject* socket) {
  if (socket == nullptr) raise_new_exception("NilObjectException");
  return *InstanceFields(socket).record<SocketImplementation>(fields::implementation);
}

void install_sockets(SocketMaker make) {
  g_make = make;
  set_native_lifecycle("Socket", &construct_socket_instance, &destroy_socket_instance);
  unregister_idle_routine(&poll_socket_implementations);
  register_idle_routine(&poll_socket_implementations);
  register_poll_test(&socket_events_waiting);
}

void replace_socket_implementation(ZObject* socket) {
  SocketImplementation* old = &socket_implementation_of(socket);
  InstanceFields(socket).set_record(fields::implementation, g_make(socket));
  SocketImplementation::retire(old);
}

}  // namespace zrt
