// Winsock, loaded on demand from "wsock32.dll" by name the first time a
// socket connects or listens, with the routines the sockets use. It stays
// loaded until the process ends.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <string>

namespace zrt {

struct Winsock {
  int(WINAPI* startup)(WORD version, LPWSADATA data);
  int(WINAPI* cleanup)();
  SOCKET(WINAPI* socket)(int family, int type, int protocol);
  int(WINAPI* closesocket)(SOCKET socket);
  unsigned long(WINAPI* inet_addr)(const char* text);
  int(WINAPI* connect)(SOCKET socket, const sockaddr* address, int length);
  int(WINAPI* bind)(SOCKET socket, const sockaddr* address, int length);
  int(WINAPI* send)(SOCKET socket, const char* bytes, int count, int flags);
  int(WINAPI* recv)(SOCKET socket, char* bytes, int count, int flags);
  int(WINAPI* ioctlsocket)(SOCKET socket, long command, u_long* argument);
  hostent*(WINAPI* gethostbyname)(const char* name);
  int(WINAPI* async_select)(SOCKET socket, HWND window, u_int message, long events);
  int(WINAPI* last_error)();
  SOCKET(WINAPI* accept)(SOCKET socket, sockaddr* address, int* length);
  int(WINAPI* listen)(SOCKET socket, int backlog);
  int(WINAPI* getsockname)(SOCKET socket, sockaddr* address, int* length);
};

// The library's routines, loaded and started on the first call; null when
// the library or one of its routines is missing or it does not start.
[[nodiscard]] const Winsock* winsock();

// "127.0.0.1": the dotted form of an IPv4 address in network byte order.
[[nodiscard]] std::string dotted_address(const in_addr& address);

}  // namespace zrt
