// Loading Winsock by name.
#include "runtime/net/winsock_win32.h"


namespace zrt {
namespace {

template <typename Routine>
bool take(HMODULE library, const char* name, Routine& routine) {
  routine = reinterpret_cast<Routine>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
  return routine != nullptr;
}

bool take_routines(HMODULE library, Winsock& table) {
  return take(library, "WSAStartup", table.startup) && take(library, "WSACleanup", table.cleanup) &&
         take(library, "socket", table.socket) && take(library, "closesocket", table.closesocket) &&
         take(library, "inet_addr", table.inet_addr) && take(library, "connect", table.connect) &&
         take(library, "bind", table.bind) && take(library, "send", table.send) && take(library, "recv", table.recv) &&
         take(library, "ioctlsocket", table.ioctlsocket) && take(library, "gethostbyname", table.gethostbyname) &&
         take(library, "WSAAsyncSelect", table.async_select) && take(library, "WSAGetLastError", table.last_error) &&
         take(library, "accept", table.accept) && take(library, "listen", table.listen) &&
         take(library, "getsockname", table.getsockname);
}

const Winsock* load() {
  static Winsock table{};
  HMODULE library = ::LoadLibraryA("wsock32.dll");
  if (library == nullptr) return nullptr;
  WSADATA data{};
  if (!take_routines(library, table) || table.startup(0x0101, &data) != 0) {
    ::FreeLibrary(library);
    return nullptr;
  }
  return &table;
}

}  // namespace

const Winsock* winsock() {
  // A library that failed to load is tried again at the next connect.
  static const Winsock* loaded = nullptr;
  if (loaded == nullptr) loaded = load();
  return loaded;
}

std::string dotted_address(const in_addr& address) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&address.s_addr);
  return std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." + std::to_string(bytes[2]) + "." +
         std::to_string(bytes[3]);
}

}  // namespace zrt
