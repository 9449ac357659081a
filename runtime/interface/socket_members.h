// The Socket class: one TCP connection, made to a server or accepted from
// a client, whose events the event loop raises. Where its instances keep
// their fields, its properties, methods and events, and its routines. A
// socket has no pane; a window's definition may place it in the window's
// control table, or the program makes it with New.
#pragma once

#include "runtime/interface/declarations.h"

#include <cstdint>

namespace zif {

// After the 16-byte object header; compiled subclasses place their own
// fields after the instance size, so none of these offsets may move.
namespace socket_fields {

inline constexpr std::int32_t window = 16;          // the window whose definition placed it, 0 for none
inline constexpr std::int32_t key_index = 20;       // the Index it was registered with
inline constexpr std::int32_t implementation = 24;  // the connection's runtime record, owned
inline constexpr std::int32_t address = 28;         // runtime string: the server for Connect
inline constexpr std::int32_t port = 32;            // for Connect and Listen
inline constexpr std::int32_t instance_size = 36;

}  // namespace socket_fields

// The error codes of LastErrorCode.
namespace socket_errors {

inline constexpr std::int32_t no_winsock = 100;  // Winsock cannot be loaded, or no socket can be made
inline constexpr std::int32_t no_connection = 101;
inline constexpr std::int32_t connection_lost = 102;
inline constexpr std::int32_t receive_failed = 104;

}  // namespace socket_errors

// The event bits that GetEvents gives and clears.
namespace socket_event_bits {

inline constexpr std::uint32_t connected = 1;
inline constexpr std::uint32_t received = 4;
inline constexpr std::uint32_t sent = 8;

}  // namespace socket_event_bits

inline constexpr PropertyDecl socket_properties[] = {
    {"Address", "String", "stringGetter", "stringSetter", socket_fields::address},
    {"Port", "Integer", "integerGetter", "integerSetter", socket_fields::port},
    {"LocalAddress", "String", "socketLocalAddressGetter", "", 0},
    {"RemoteAddress", "String", "socketRemoteAddressGetter", "", 0},
    {"LastErrorCode", "Integer", "socketLastErrorCode", "", 0},
    {"Lookahead", "String", "socketLookahead", "", 0},
    {"PPPStatus", "Integer", "socketPPPStatus", "", 0},
};

inline constexpr MethodDecl socket_methods[] = {
    {"Connect()", "SocketConnect"},
    {"DirectConnect(address As String, port As Integer)", "socketDirectConnect"},
    {"Listen()", "SocketListen"},
    {"Write(text As String)", "SocketWrite"},
    {"Read(count As Integer) As String", "socketRead"},
    {"ReadAll() As String", "SocketReadAll"},
    {"Poll()", "socketPoll"},
    {"Close()", "socketClose"},
    {"GetEvents() As Integer", "socketGetEvents"},
    {"PPPConnect()", "socketPPPConnect"},
    {"PPPDisconnect()", "socketPPPDisconnect"},
};

inline constexpr EventDecl socket_events[] = {
    {"Connected", "", "", 0},
    {"DataAvailable", "", "", 0},
    {"Error", "", "", 0},
    {"SendComplete", "", "", 0},
};

inline constexpr RoutineDecl socket_routines[] = {
    {"SocketConnect", 'v', "o"},
    {"socketDirectConnect", 'v', "osi"},
    {"SocketListen", 'v', "o"},
    {"SocketWrite", 'v', "os"},
    {"socketRead", 's', "oi"},
    {"SocketReadAll", 's', "o"},
    {"socketPoll", 'v', "o"},
    {"socketClose", 'v', "o"},
    {"socketGetEvents", 'i', "o"},
    {"socketPPPConnect", 'v', "o"},
    {"socketPPPDisconnect", 'v', "o"},
    {"socketLocalAddressGetter", 's', "oi"},
    {"socketRemoteAddressGetter", 's', "oi"},
    {"socketLastErrorCode", 'i', "oi"},
    {"socketLookahead", 's', "oi"},
    {"socketPPPStatus", 'i', "oi"},
    {"pluginSocketRead", 's', "oi"},
    {"pluginSocketReadAll", 's', "o"},
    {"pluginSocketLookahead", 's', "o"},
};

inline constexpr ClassDecl socket_classes[] = {
    {"Socket", "ZTSocket", "", socket_fields::instance_size, socket_properties, socket_methods, socket_events},
};

}  // namespace zif
