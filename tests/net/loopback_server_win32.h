// A loopback TCP echo server for the socket tests and benchmarks, on
// 127.0.0.1 at a port the system chooses: it serves a bounded number of
// clients, each on a thread of its own, and stops when it goes. It uses
// the Winsock routines the runtime loaded.
#pragma once

#include "runtime/net/winsock_win32.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace socket_tests {

class LoopbackServer {
 public:
  explicit LoopbackServer(int max_clients);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  // 0 when it could not listen.
  [[nodiscard]] int port() const { return m_port; }
  [[nodiscard]] int clients_served() const { return m_served.load(); }

 private:
  void accept_clients();
  void serve(SOCKET client);

  const zrt::Winsock& m_winsock;
  int m_max_clients;
  SOCKET m_listener = INVALID_SOCKET;
  int m_port = 0;
  std::atomic<int> m_served{0};
  std::atomic<bool> m_stopping{false};
  std::mutex m_lock;
  std::vector<SOCKET> m_clients;
  std::vector<std::thread> m_threads;
  std::thread m_acceptor;
};

inline const zrt::Winsock& loaded_winsock() {
  const zrt::Winsock* winsock = zrt::winsock();
  if (winsock == nullptr) throw std::runtime_error("Winsock did not load");
  return *winsock;
}

inline sockaddr_in loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = static_cast<u_short>(((port & 0xFF) << 8) | ((port >> 8) & 0xFF));
  address.sin_addr.s_addr = 0x0100007F;  // 127.0.0.1 in network byte order
  return address;
}

inline LoopbackServer::LoopbackServer(int max_clients) : m_winsock(loaded_winsock()), m_max_clients(max_clients) {
  m_listener = m_winsock.socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = loopback(0);
  int length = sizeof address;
  if (m_winsock.bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      m_winsock.listen(m_listener, 128) != 0 ||
      m_winsock.getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    return;
  m_port = ((address.sin_port & 0xFF) << 8) | (address.sin_port >> 8);
  m_acceptor = std::thread([this] { accept_clients(); });
}

inline LoopbackServer::~LoopbackServer() {
  m_stopping = true;
  m_winsock.closesocket(m_listener);
  if (m_acceptor.joinable()) m_acceptor.join();
  {
    const std::lock_guard<std::mutex> hold(m_lock);
    for (SOCKET client : m_clients) m_winsock.closesocket(client);
  }
  for (std::thread& thread : m_threads) thread.join();
}

inline void LoopbackServer::accept_clients() {
  while (!m_stopping && m_served < m_max_clients) {
    const SOCKET client = m_winsock.accept(m_listener, nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    ++m_served;
    const std::lock_guard<std::mutex> hold(m_lock);
    m_clients.push_back(client);
    m_threads.emplace_back([this, client] { serve(client); });
  }
}

inline void LoopbackServer::serve(SOCKET client) {
  char buffer[65536];
  for (;;) {
    const int received = m_winsock.recv(client, buffer, sizeof buffer, 0);
    if (received <= 0) return;
    for (int sent = 0; sent < received;) {
      const int now = m_winsock.send(client, buffer + sent, received - sent, 0);
      if (now <= 0) return;
      sent += now;
    }
  }
}

}  // namespace socket_tests
