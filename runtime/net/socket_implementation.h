// A socket's implementation: the connection behind one Socket object. It
// keeps the bytes received and those still to send, the events waiting to
// be raised and the event bits a program reads, and raises the waiting
// events on its Socket when it is polled. Its transport (Winsock on the
// target) makes the connection and moves the bytes; every implementation
// is in the process-wide list that the event loop polls, newest first.
#pragma once

#include "runtime/core/objects.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zrt {

class SocketImplementation {
 public:
  explicit SocketImplementation(ZObject* owner);
  virtual ~SocketImplementation();
  SocketImplementation(const SocketImplementation&) = delete;
  SocketImplementation& operator=(const SocketImplementation&) = delete;

  // The operations, in the order of the implementation's table.
  virtual void connect(std::string_view address, std::int32_t port) = 0;
  virtual void listen(std::int32_t port) = 0;
  // Appends the text to what waits to be sent and sends what can be sent.
  void write(std::string_view text);
  // At most `count` bytes from the front of what was received, removed.
  [[nodiscard]] std::string read(std::int32_t count);
  [[nodiscard]] std::string read_all();
  [[nodiscard]] const std::string& lookahead() const { return m_input; }
  // Sends and receives what it can, then raises the waiting events, each at
  // most once, in this order: Connected, Error, DataAvailable, SendComplete.
  void poll();
  [[nodiscard]] std::uint32_t take_event_bits();
  [[nodiscard]] const std::string& remote_address() const { return m_remote_address; }

  [[nodiscard]] std::int32_t last_error() const { return m_last_error; }
  // The dotted local address of the open socket; empty without one.
  [[nodiscard]] virtual std::string local_address() const = 0;
  // True while an event waits to be raised: the event loop then turns
  // without waiting for a message.
  [[nodiscard]] bool has_waiting_events() const;

  // Retires an implementation that its Socket lets go: at once, or at the
  // end of its poll when one of its handlers let it go.
  static void retire(SocketImplementation* implementation);

 protected:
  [[nodiscard]] virtual bool is_open() const = 0;
  // Sends from the front of the bytes; the count sent, or -1 when the
  // transport would block, or -2 when sending failed.
  virtual std::int32_t send_bytes(std::string_view bytes) = 0;
  // Appends what the transport holds for us; false when receiving failed.
  virtual bool receive_bytes(std::string& input) = 0;
  // Closes the transport: the socket, its timer and its notification window.
  virtual void close_transport() = 0;

  // Before a connect or a listen: nothing buffered, no event waiting.
  void start_afresh();
  // The error's code is kept and Error waits; the transport closes. What
  // was received stays readable.
  void fail(std::int32_t code);
  void mark_connected();
  // Sends the buffered bytes when connected.
  void send_buffered();
  // Takes what arrived when connected.
  void receive();
  void set_remote_address(std::string address) { m_remote_address = std::move(address); }
  [[nodiscard]] bool connected() const { return m_connected; }

 private:
  struct Waiting {
    bool connected = false;
    bool error = false;
    bool data = false;
    bool sent = false;
  };

  ZObject* m_owner;  // not counted: the Socket owns this
  std::int32_t m_last_error = 0;
  std::string m_input;
  std::string m_output;
  std::size_t m_output_start = 0;  // bytes at the front already sent
  Waiting m_waiting;
  bool m_connected = false;
  std::uint32_t m_event_bits = 0;
  std::string m_remote_address;
  int m_polls = 0;        // polls under way on this implementation
  bool m_retired = false;
};

// The implementations that exist, newest first.
[[nodiscard]] const std::vector<SocketImplementation*>& socket_implementations();
// Polls every implementation that exists now, newest first; those that a
// handler retires or makes meanwhile are left out.
void poll_socket_implementations();
// True when some implementation has an event waiting.
[[nodiscard]] bool socket_events_waiting();

}  // namespace zrt
