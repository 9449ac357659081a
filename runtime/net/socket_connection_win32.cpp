// Connecting, listening, sending and receiving through Winsock.
#include "runtime/net/winsock_win32.h"  // before windows.h

#include "runtime/net/socket_connection_win32.h"

#include "runtime/core/module_instance.h"
#include "runtime/interface/socket_members.h"

#include <algorithm>
#include <climits>

namespace zrt {
namespace {

namespace errors = zif::socket_errors;

constexpr UINT notification_message = WM_USER;
constexpr long connect_events = FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE;
constexpr long listen_events = connect_events | FD_ACCEPT;
constexpr UINT_PTR connect_timer = 1;
constexpr const char* notification_class = "ZTSocketClass";
constexpr UINT connect_timeout_ms = 30000;

class WinsockConnection final : public SocketImplementation {
 public:
  explicit WinsockConnection(ZObject* owner) : SocketImplementation(owner) {}
  ~WinsockConnection() override { close_transport(); }

  void connect(std::string_view address, std::int32_t port) override;
  void listen(std::int32_t port) override;
  [[nodiscard]] std::string local_address() const override;

  void notify(SOCKET socket, WORD event, WORD error);
  void connect_timed_out() {
    if (is_open()) fail(errors::no_connection);
  }

 private:
  [[nodiscard]] bool is_open() const override { return m_socket != INVALID_SOCKET; }
  std::int32_t send_bytes(std::string_view bytes) override;
  bool receive_bytes(std::string& input) override;
  void close_transport() override;

  // Steps shared by connect and listen: a fresh start and a socket; false
  // when the error has been set.
  bool open_socket();
  bool open_notification_window(long events);
  void kill_connect_timer();
  void accept_client();

  const Winsock* m_winsock = nullptr;
  SOCKET m_socket = INVALID_SOCKET;
  sockaddr_in m_address{};
  sockaddr_in m_peer{};
  HWND m_window = nullptr;
  UINT_PTR m_timer = 0;
};

// The port in network byte order. Winsock's own conversion would tie the
// runtime to the library it loads only on demand.
u_short network_port(std::int32_t port) {
  const auto value = static_cast<std::uint16_t>(port);
  return static_cast<u_short>((value >> 8) | ((value & 0xFF) << 8));
}

// The IPv4 address of a dotted address or a host name, in network byte
// order; false when the name does not resolve.
bool resolve(const Winsock& winsock, const std::string& name, in_addr& address) {
  if (name.empty()) return false;
  address.s_addr = winsock.inet_addr(name.c_str());
  if (address.s_addr != INADDR_NONE) return true;
  const hostent* host = winsock.gethostbyname(name.c_str());
  if (host == nullptr || host->h_addrtype != AF_INET || host->h_addr_list[0] == nullptr) return false;
  std::copy_n(host->h_addr_list[0], sizeof address.s_addr, reinterpret_cast<char*>(&address.s_addr));
  return true;
}

bool WinsockConnection::open_socket() {
  m_winsock = winsock();
  start_afresh();
  if (m_winsock == nullptr) {
    fail(errors::no_winsock);
    return false;
  }
  m_socket = m_winsock->socket(AF_INET, SOCK_STREAM, 0);
  if (m_socket != INVALID_SOCKET) return true;
  fail(errors::no_winsock);
  return false;
}

LRESULT CALLBACK notification_procedure(HWND window, UINT message, WPARAM parameter, LPARAM details);

// The class is registered with the first notification window.
bool notification_class_registered() {
  static const bool registered = [] {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = &notification_procedure;
    window_class.hInstance = static_cast<HINSTANCE>(module_instance());
    window_class.lpszClassName = notification_class;
    return ::RegisterClassA(&window_class) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

bool WinsockConnection::open_notification_window(long events) {
  if (notification_class_registered())
    m_window = ::CreateWindowExA(0, notification_class, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               static_cast<HINSTANCE>(module_instance()), nullptr);
  if (m_window == nullptr) {
    fail(errors::no_winsock);
    return false;
  }
  ::SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (m_winsock->async_select(m_socket, m_window, notification_message, events) == 0) return true;
  fail(errors::no_winsock);
  return false;
}

void WinsockConnection::connect(std::string_view address, std::int32_t port) {
  if (!open_socket()) return;
  m_address = {};
  m_address.sin_family = AF_INET;
  m_address.sin_port = network_port(port);
  if (!resolve(*m_winsock, std::string(address), m_address.sin_addr)) {
    fail(errors::no_connection);
    return;
  }
  if (!open_notification_window(connect_events)) return;
  m_timer = ::SetTimer(m_window, connect_timer, connect_timeout_ms, nullptr);
  if (m_winsock->connect(m_socket, reinterpret_cast<const sockaddr*>(&m_address), sizeof m_address) == 0) return;
  if (m_winsock->last_error() != WSAEWOULDBLOCK) fail(errors::no_connection);
}

void WinsockConnection::listen(std::int32_t port) {
  if (!open_socket()) return;
  m_address = {};
  m_address.sin_family = AF_INET;
  m_address.sin_port = network_port(port);
  m_address.sin_addr.s_addr = INADDR_ANY;
  if (m_winsock->bind(m_socket, reinterpret_cast<const sockaddr*>(&m_address), sizeof m_address) != 0) {
    fail(errors::no_connection);
    return;
  }
  if (!open_notification_window(listen_events)) return;
  if (m_winsock->listen(m_socket, 1) != 0) fail(errors::no_connection);
}

std::string WinsockConnection::local_address() const {
  if (!is_open()) return {};
  sockaddr_in local{};
  int length = sizeof local;
  if (m_winsock->getsockname(m_socket, reinterpret_cast<sockaddr*>(&local), &length) != 0) return {};
  return dotted_address(local.sin_addr);
}

std::int32_t WinsockConnection::send_bytes(std::string_view bytes) {
  const int count = static_cast<int>(std::min<std::size_t>(bytes.size(), INT_MAX));
  const int sent = m_winsock->send(m_socket, bytes.data(), count, 0);
  if (sent != SOCKET_ERROR) return sent;
  return m_winsock->last_error() == WSAEWOULDBLOCK ? -1 : -2;
}

bool WinsockConnection::receive_bytes(std::string& input) {
  u_long waiting = 0;
  if (m_winsock->ioctlsocket(m_socket, FIONREAD, &waiting) != 0) return false;
  if (waiting == 0) return true;
  const std::size_t before = input.size();
  input.resize(before + waiting);
  const int received = m_winsock->recv(m_socket, input.data() + before, static_cast<int>(waiting), 0);
  input.resize(before + static_cast<std::size_t>(std::max(received, 0)));
  return received != SOCKET_ERROR || m_winsock->last_error() == WSAEWOULDBLOCK;
}

void WinsockConnection::kill_connect_timer() {
  if (m_timer != 0) ::KillTimer(m_window, connect_timer);
  m_timer = 0;
}

void WinsockConnection::close_transport() {
  if (m_socket != INVALID_SOCKET) m_winsock->closesocket(m_socket);
  m_socket = INVALID_SOCKET;
  kill_connect_timer();
  if (m_window != nullptr) {
    ::SetWindowLongPtrA(m_window, GWLP_USERDATA, 0);
    ::DestroyWindow(m_window);
  }
  m_window = nullptr;
}

// A listening socket serves one client: the accepted socket takes its place.
void WinsockConnection::accept_client() {
  mark_connected();
  int length = sizeof m_peer;
  const SOCKET client = m_winsock->accept(m_socket, reinterpret_cast<sockaddr*>(&m_peer), &length);
  if (client == INVALID_SOCKET) {
    fail(errors::no_connection);
    return;
  }
  m_winsock->closesocket(m_socket);
  m_socket = client;
  m_winsock->async_select(m_socket, m_window, notification_message, connect_events);
  set_remote_address(dotted_address(m_peer.sin_addr));
  kill_connect_timer();
}

void WinsockConnection::notify(SOCKET socket, WORD event, WORD error) {
  // A notification that was under way when its socket closed is stale.
  if (socket != m_socket) return;
  switch (event) {
    case FD_READ: receive(); break;
    case FD_WRITE: send_buffered(); break;
    case FD_ACCEPT: accept_client(); break;
    case FD_CONNECT:
      kill_connect_timer();
      // A refused connection is an error at once, not a connection that
      // fails at its first send.
      if (error != 0) {
        fail(errors::no_connection);
        return;
      }
      mark_connected();
      break;
    case FD_CLOSE:
      // What the peer sent before closing is still readable.
      receive();
      if (is_open()) fail(errors::connection_lost);
      break;
    default: break;
  }
}

LRESULT CALLBACK notification_procedure(HWND window, UINT message, WPARAM parameter, LPARAM details) {
  auto* connection = reinterpret_cast<WinsockConnection*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (connection != nullptr && message == WM_TIMER && parameter == connect_timer) {
    connection->connect_timed_out();
    return 0;
  }
  if (connection != nullptr && message == notification_message) {
    connection->notify(static_cast<SOCKET>(parameter), WSAGETSELECTEVENT(details), WSAGETSELECTERROR(details));
    return 0;
  }
  return ::DefWindowProcA(window, message, parameter, details);
}

}  // namespace

SocketImplementation* make_winsock_connection(ZObject* owner) { return new WinsockConnection(owner); }

}  // namespace zrt
