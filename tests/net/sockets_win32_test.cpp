// Sockets under Windows, through the runtime's routines and the event loop,
// against a loopback server the tests start and stop themselves: closing
// and connecting again, and many bytes and many sockets at once. The
// compiled sockets program shows the events, errors and listening.
#include "runtime/interface/socket_members.h"
#include "tests/net/loopback_server_win32.h"
#include "tests/ui/window_test_support_win32.h"

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <random>

namespace {

using namespace window_tests;
using socket_tests::LoopbackServer;

// What each socket's handlers saw, in order.
std::map<ZObject*, std::vector<std::string>>& socket_events() {
  static std::map<ZObject*, std::vector<std::string>> log;
  return log;
}

// Work a test wants done in a DataAvailable handler.
std::function<void(ZObject*)>& on_data() {
  static std::function<void(ZObject*)> work;
  return work;
}

extern "C" {
inline std::int32_t on_connected(ZObject* s) { socket_events()[s].push_back("Connected"); return 0; }
inline std::int32_t on_error(ZObject* s) {
  socket_events()[s].push_back("Error " + std::to_string(socketLastErrorCode(s, 0)));
  return 0;
}
inline std::int32_t on_data_available(ZObject* s) {
  socket_events()[s].push_back("DataAvailable");
  if (on_data()) on_data()(s);
  return 0;
}
inline std::int32_t on_send_complete(ZObject* s) { socket_events()[s].push_back("SendComplete"); return 0; }
}

std::string text_of(ZString* string) {
  std::string text(zrt::string_text(string));
  zrt::unlock_string(string);
  return text;
}

zrt::StringRef runtime_text(std::string_view text) { return zrt::StringRef::adopt(zrt::make_string(text)); }

class Sockets : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    socket_events().clear();
    on_data() = nullptr;
    const std::int32_t socket_class = add_class(m_image.runtime_class_reference("Socket"));
    auto test_socket = object_tests::class_described("TestSocket", static_cast<std::uint32_t>(socket_class),
                                                     zif::socket_fields::instance_size);
    test_socket.handlers = {{"Connected", code(&on_connected), 0}, {"Error", code(&on_error), 0},
                            {"DataAvailable", code(&on_data_available), 0},
                            {"SendComplete", code(&on_send_complete), 0}};
    m_socket_class = add_class(m_image.class_descriptor(test_socket));
    const auto main = define(window_class, {{"Visible", "True"}});
    start();
    m_window = create(main);
  }

  // The sockets close first, which ends the server's threads.
  void TearDown() override {
    on_data() = nullptr;
    m_sockets.clear();
    m_server.reset();
    m_window = {};
    WindowTest::TearDown();
  }

  const LoopbackServer& start_server(int clients) {
    m_server = std::make_unique<LoopbackServer>(clients);
    return *m_server;
  }

  ZObject* new_socket() {
    m_sockets.push_back(zrt::ObjectRef::adopt(RuntimeNewObject(m_socket_class)));
    return m_sockets.back().get();
  }

  // Turns the event loop until `done` holds; false when it does not within
  // the time.
  static bool turn_until(const std::function<bool()>& done, std::chrono::seconds limit = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
      if (std::chrono::steady_clock::now() > end) return false;
      turn();
    }
    return true;
  }

  static void connect(ZObject* s, std::string_view address, int port) {
    socketDirectConnect(s, runtime_text(address).get(), port);
  }

  static std::vector<std::string>& seen(ZObject* s) { return socket_events()[s]; }

  zrt::ObjectRef m_window;
  std::unique_ptr<LoopbackServer> m_server;
  std::vector<zrt::ObjectRef> m_sockets;
  std::int32_t m_socket_class = 0;
};

// Closing raises nothing, and the socket connects again afterwards.
TEST_F(Sockets, CloseLeavesAnIdleSocketThatConnectsAgain) {
  const LoopbackServer& server = start_server(2);
  ASSERT_NE(server.port(), 0) << "no loopback port";
  ZObject* s = new_socket();
  connect(s, "127.0.0.1", server.port());
  SocketWrite(s, runtime_text("first").get());
  ASSERT_TRUE(turn_until([&] { return seen(s).size() >= 3; }));
  socketClose(s);
  for (int i = 0; i < 5; ++i) turn();
  EXPECT_EQ(seen(s).size(), 3u) << "closing raised nothing";
  EXPECT_EQ(text_of(socketLookahead(s, 0)), "") << "the buffers went with the connection";
  seen(s).clear();
  connect(s, "127.0.0.1", server.port());
  SocketWrite(s, runtime_text("second").get());
  ASSERT_TRUE(turn_until([&] { return seen(s).size() >= 3; }));
  EXPECT_EQ(seen(s), (std::vector<std::string>{"Connected", "SendComplete", "DataAvailable"}));
  EXPECT_EQ(text_of(SocketReadAll(s)), "second");
}

// 10 MB in pieces of random size, written one piece per turn, come back
// whole and in order.
TEST_F(Sockets, TenMegabytesInRandomPiecesComeBackCompleteAndInOrder) {
  const LoopbackServer& server = start_server(1);
  ASSERT_NE(server.port(), 0) << "no loopback port";
  std::mt19937 random(7);
  std::string sent;
  while (sent.size() < 10'000'000) {
    const std::size_t piece = std::uniform_int_distribution<std::size_t>(1, 40'000)(random);
    for (std::size_t i = 0; i < piece; ++i) sent.push_back(static_cast<char>(random()));
  }
  ZObject* s = new_socket();
  std::string received;
  on_data() = [&](ZObject* from) { received += text_of(SocketReadAll(from)); };
  connect(s, "127.0.0.1", server.port());
  std::size_t written = 0;
  ASSERT_TRUE(turn_until(
      [&] {
        if (written < sent.size()) {
          const std::size_t piece = std::min<std::size_t>(sent.size() - written, 1 + random() % 40'000);
          SocketWrite(s, runtime_text(std::string_view(sent).substr(written, piece)).get());
          written += piece;
        }
        return received.size() >= sent.size();
      },
      std::chrono::seconds(120)))
      << received.size() << " of " << sent.size() << " bytes came back";
  EXPECT_TRUE(received == sent) << "the bytes came back changed or out of order";
  EXPECT_EQ(socketLastErrorCode(s, 0), 0);
}

TEST_F(Sockets, AHundredSocketsOpenAtOnceAllExchangeData) {
  constexpr int count = 100;
  const LoopbackServer& server = start_server(count);
  ASSERT_NE(server.port(), 0) << "no loopback port";
  std::vector<ZObject*> sockets;
  for (int i = 0; i < count; ++i) {
    ZObject* s = new_socket();
    connect(s, "127.0.0.1", server.port());
    SocketWrite(s, runtime_text("socket " + std::to_string(i)).get());
    sockets.push_back(s);
  }
  std::map<ZObject*, std::string> echoed;
  on_data() = [&](ZObject* from) { echoed[from] += text_of(SocketReadAll(from)); };
  const auto all_echoed = [&] {
    for (int i = 0; i < count; ++i)
      if (echoed[sockets[static_cast<std::size_t>(i)]] != "socket " + std::to_string(i)) return false;
    return true;
  };
  EXPECT_TRUE(turn_until(all_echoed, std::chrono::seconds(60)));
  EXPECT_EQ(server.clients_served(), count);
}

}  // namespace
