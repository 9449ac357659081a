// The routines of Socket. None raises or shows a message: a failure is an
// error code and an Error event at the next poll. Reading, writing and
// looking ahead on an idle socket work on its buffers only.
#include "runtime/core/instance_fields.h"
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"
#include "runtime/interface/socket_members.h"
#include "runtime/net/socket_object.h"

using zrt::socket_implementation_of;

namespace {

std::int32_t port_of(ZObject* s) { return zrt::InstanceFields(s).value<std::int32_t>(zif::socket_fields::port); }

}  // namespace

extern "C" {

void SocketConnect(ZObject* s) {
  zrt::SocketImplementation& implementation = socket_implementation_of(s);
  implementation.connect(zrt::string_text(zrt::InstanceFields(s).string(zif::socket_fields::address)), port_of(s));
}
void socketDirectConnect(ZObject* s, ZString* address, std::int32_t port) {
  socket_implementation_of(s).connect(zrt::string_text(address), port);
}
void SocketListen(ZObject* s) {
  zrt::SocketImplementation& implementation = socket_implementation_of(s);
  implementation.listen(port_of(s));
}
void SocketWrite(ZObject* s, ZString* text) { socket_implementation_of(s).write(zrt::string_text(text)); }
ZString* socketRead(ZObject* s, std::int32_t count) { return zrt::make_string(socket_implementation_of(s).read(count)); }
ZString* SocketReadAll(ZObject* s) { return zrt::make_string(socket_implementation_of(s).read_all()); }
void socketPoll(ZObject* s) { socket_implementation_of(s).poll(); }
void socketClose(ZObject* s) { zrt::replace_socket_implementation(s); }
std::int32_t socketGetEvents(ZObject* s) {
  return static_cast<std::int32_t>(socket_implementation_of(s).take_event_bits());
}
void socketPPPConnect(ZObject* s) { static_cast<void>(socket_implementation_of(s)); }
void socketPPPDisconnect(ZObject* s) { static_cast<void>(socket_implementation_of(s)); }

// The first implementation in the list with an open socket answers.
ZString* socketLocalAddressGetter(ZObject* s, std::int32_t) {
  static_cast<void>(socket_implementation_of(s));
  for (const zrt::SocketImplementation* implementation : zrt::socket_implementations()) {
    const std::string address = implementation->local_address();
    if (!address.empty()) return zrt::make_string(address);
  }
  return nullptr;
}
ZString* socketRemoteAddressGetter(ZObject* s, std::int32_t) {
  return zrt::make_string(socket_implementation_of(s).remote_address());
}
std::int32_t socketLastErrorCode(ZObject* s, std::int32_t) { return socket_implementation_of(s).last_error(); }
ZString* socketLookahead(ZObject* s, std::int32_t) { return zrt::make_string(socket_implementation_of(s).lookahead()); }
std::int32_t socketPPPStatus(ZObject* s, std::int32_t) {
  static_cast<void>(socket_implementation_of(s));
  return 0;
}

ZString* pluginSocketRead(ZObject* s, std::int32_t count) { return socketRead(s, count); }
ZString* pluginSocketReadAll(ZObject* s) { return SocketReadAll(s); }
ZString* pluginSocketLookahead(ZObject* s) { return socketLookahead(s, 0); }

}  // extern "C"
