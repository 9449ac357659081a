// The buffers, waiting events and event bits of a socket's implementation,
// and the list the event loop polls.
#include "runtime/net/socket_implementation.h"

#include "runtime/core/events.h"
#include "runtime/interface/socket_members.h"

#include <algorithm>
#include <utility>

namespace zrt {
namespace {

namespace bits = zif::socket_event_bits;

std::vector<SocketImplementation*>& implementations() {
  static std::vector<SocketImplementation*> list;
  return list;
}

}  // namespace

SocketImplementation::SocketImplementation(ZObject* owner) : m_owner(owner) {
  implementations().insert(implementations().begin(), this);
}

SocketImplementation::~SocketImplementation() {
  auto& list = implementations();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void SocketImplementation::retire(SocketImplementation* implementation) {
  if (implementation == nullptr) return;
  if (implementation->m_polls > 0) {
    implementation->m_retired = true;
    implementation->m_owner = nullptr;
    return;
  }
  delete implementation;
}

void SocketImplementation::write(std::string_view text) {
  m_output.append(text);
  send_buffered();
}

void SocketImplementation::send_buffered() {
  if (!is_open() || !m_connected || m_output_start == m_output.size()) return;
  const std::int32_t sent = send_bytes(std::string_view(m_output).substr(m_output_start));
  if (sent == -1) return;  // the transport says when it can take more
  if (sent < 0) {
    fail(zif::socket_errors::connection_lost);
    return;
  }
  m_output_start += static_cast<std::size_t>(sent);
  if (m_output_start == m_output.size()) {
    m_output.clear();
    m_output_start = 0;
    m_waiting.sent = true;
    m_event_bits |= bits::sent;
  } else if (m_output_start > m_output.size() / 2) {
    m_output.erase(0, m_output_start);
    m_output_start = 0;
  }
}

void SocketImplementation::receive() {
  if (!is_open() || !m_connected) return;
  const std::size_t before = m_input.size();
  if (!receive_bytes(m_input)) {
    fail(zif::socket_errors::receive_failed);
    return;
  }
  if (m_input.size() == before) return;
  m_waiting.data = true;
  m_event_bits |= bits::received;
}

std::string SocketImplementation::read(std::int32_t count) {
  const std::size_t taken = std::min(m_input.size(), static_cast<std::size_t>(std::max(count, 0)));
  std::string front = m_input.substr(0, taken);
  m_input.erase(0, taken);
  return front;
}

std::string SocketImplementation::read_all() {
  std::string all;
  all.swap(m_input);
  return all;
}

void SocketImplementation::poll() {
  ++m_polls;
  send_buffered();
  receive();
  // A handler may close the socket or drop it, which retires this
  // implementation: the events after that are not raised.
  using Raised = std::pair<bool Waiting::*, zif::EventName>;
  for (auto [flag, event] :
       {Raised{&Waiting::connected, {"Socket", "Connected"}}, Raised{&Waiting::error, {"Socket", "Error"}},
        Raised{&Waiting::data, {"Socket", "DataAvailable"}}, Raised{&Waiting::sent, {"Socket", "SendComplete"}}}) {
    if (m_retired) break;
    if (!(m_waiting.*flag)) continue;
    m_waiting.*flag = false;
    raise_event(m_owner, event);
  }
  if (--m_polls == 0 && m_retired) delete this;
}

std::uint32_t SocketImplementation::take_event_bits() {
  return std::exchange(m_event_bits, 0);
}

bool SocketImplementation::has_waiting_events() const {
  return m_waiting.connected || m_waiting.error || m_waiting.data || m_waiting.sent;
}

void SocketImplementation::start_afresh() {
  m_event_bits = 0;
  close_transport();
  m_input.clear();
  m_output.clear();
  m_output_start = 0;
  m_waiting = {};
  m_connected = false;
  m_remote_address.clear();
}

void SocketImplementation::fail(std::int32_t code) {
  m_last_error = code;
  m_waiting.error = true;
  m_connected = false;
  m_output.clear();
  m_output_start = 0;
  close_transport();
}

void SocketImplementation::mark_connected() {
  m_connected = true;
  m_waiting.connected = true;
  m_event_bits |= bits::connected;
}

const std::vector<SocketImplementation*>& socket_implementations() { return implementations(); }

void poll_socket_implementations() {
  const std::vector<SocketImplementation*> now = implementations();
  for (SocketImplementation* implementation : now) {
    const auto& live = implementations();
    if (std::find(live.begin(), live.end(), implementation) != live.end()) implementation->poll();
  }
}

bool socket_events_waiting() {
  return std::any_of(implementations().begin(), implementations().end(),
                     [](const SocketImplementation* implementation) { return implementation->has_waiting_events(); });
}

}  // namespace zrt
