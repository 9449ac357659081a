// Sockets natively, through their routines over a scripted transport: the
// order and the once-only raising of the waiting events, the buffers when
// sends are partial, would block or fail, reading, the event bits, an error
// that keeps what was received, and handlers that close or drop the socket
// while it is polled.
#include "runtime/interface/exports.h"
#include "runtime/interface/socket_members.h"
#include "runtime/net/socket_object.h"
#include "tests/core/native_lifecycle_support.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>

namespace {

using object_tests::recorded_calls;
using Words = std::span<const zrt::Word>;

// A transport whose behaviour the test scripts: how much each send takes
// (-1 would block, -2 fails), what arrives, and whether receiving fails.
class ScriptedTransport final : public zrt::SocketImplementation {
 public:
  explicit ScriptedTransport(ZObject* owner) : SocketImplementation(owner) {}

  void connect(std::string_view, std::int32_t) override {
    start_afresh();
    open = true;
  }
  void listen(std::int32_t port) override { connect({}, port); }
  [[nodiscard]] std::string local_address() const override { return open ? "10.0.0.1" : ""; }

  void arrive_connected() { mark_connected(); }
  void peer_closes() {
    receive();
    fail(zif::socket_errors::connection_lost);
  }

  bool open = false;
  std::deque<std::int32_t> send_sizes;  // empty: everything is sent
  std::string sent;
  std::string incoming;
  bool receive_fails = false;

 private:
  [[nodiscard]] bool is_open() const override { return open; }
  std::int32_t send_bytes(std::string_view bytes) override {
    std::int32_t size = static_cast<std::int32_t>(bytes.size());
    if (!send_sizes.empty()) {
      size = std::min(size, send_sizes.front());
      send_sizes.pop_front();
    }
    if (size > 0) sent.append(bytes.substr(0, static_cast<std::size_t>(size)));
    return size;
  }
  bool receive_bytes(std::string& input) override {
    input += incoming;
    incoming.clear();
    return !receive_fails;
  }
  void close_transport() override { open = false; }
};

zrt::SocketImplementation* make_scripted(ZObject* owner) { return new ScriptedTransport(owner); }

constexpr zrt::CodeAddress first_handler = 0x6200;
const std::vector<std::string> k_events{"Connected", "DataAvailable", "Error", "SendComplete"};

// What a test wants done inside a handler, by event.
std::map<std::string, std::function<void(ZObject*)>>& in_handler() {
  static std::map<std::string, std::function<void(ZObject*)>> work;
  return work;
}

class SocketRoutines : public object_tests::NativeLifecycleTest {
 protected:
  void SetUp() override {
    NativeLifecycleTest::SetUp();
    use_native_lifecycles({"Socket"});
    in_handler().clear();
    object_tests::on_recorded_call() = [](zrt::CodeAddress routine, Words arguments) {
      const std::string& event = k_events.at(routine - first_handler);
      if (auto found = in_handler().find(event); found != in_handler().end())
        found->second(zrt::pointer_of<ZObject>(arguments[0]));
    };
    zrt::install_sockets(&make_scripted);
    m_class = std::make_unique<object_tests::TestClass>("TestSocket", &zrt::runtime_class("Socket"),
                                                        zif::socket_fields::instance_size);
    for (std::size_t i = 0; i < k_events.size(); ++i)
      zrt::push_hook(**m_class, k_events[i], 0, first_handler + static_cast<zrt::CodeAddress>(i));
    m_socket = zrt::ObjectRef::adopt(zrt::new_instance(**m_class));
  }

  void TearDown() override {
    in_handler().clear();
    m_socket = {};
    m_class.reset();
    NativeLifecycleTest::TearDown();
  }

  ZObject* socket() const { return m_socket.get(); }
  ScriptedTransport& transport() const {
    return static_cast<ScriptedTransport&>(zrt::socket_implementation_of(socket()));
  }

  // The events raised since the last call.
  static std::vector<std::string> raised() {
    std::vector<std::string> names;
    for (const auto& call : recorded_calls()) names.push_back(k_events.at(call.routine - first_handler));
    recorded_calls().clear();
    return names;
  }

  static std::string text_of(ZString* string) {
    std::string text(zrt::string_text(string));
    zrt::unlock_string(string);
    return text;
  }

  void write(std::string_view text) const {
    const zrt::StringRef value = zrt::StringRef::adopt(zrt::make_string(text));
    SocketWrite(socket(), value.get());
  }

  std::unique_ptr<object_tests::TestClass> m_class;
  zrt::ObjectRef m_socket;
};

TEST_F(SocketRoutines, APollRaisesEachWaitingEventOnceInItsOrder) {
  SocketConnect(socket());
  write("queued");
  EXPECT_EQ(transport().sent, "") << "nothing is sent before the connection";
  transport().arrive_connected();
  transport().incoming = "reply";
  EXPECT_TRUE(zrt::socket_events_waiting());
  socketPoll(socket());
  EXPECT_EQ(raised(), (std::vector<std::string>{"Connected", "DataAvailable", "SendComplete"}));
  EXPECT_EQ(transport().sent, "queued");
  socketPoll(socket());
  EXPECT_EQ(raised(), std::vector<std::string>{});
  EXPECT_FALSE(zrt::socket_events_waiting());
  EXPECT_EQ(socketGetEvents(socket()), 13);
  EXPECT_EQ(socketGetEvents(socket()), 0);

  // The peer closes after sending more: Error comes before DataAvailable,
  // and what it sent stays readable.
  transport().incoming = " and more";
  transport().peer_closes();
  zrt::poll_socket_implementations();
  EXPECT_EQ(raised(), (std::vector<std::string>{"Error", "DataAvailable"}));
  EXPECT_EQ(socketLastErrorCode(socket(), 0), zif::socket_errors::connection_lost);
  EXPECT_EQ(text_of(SocketReadAll(socket())), "reply and more");
}

TEST_F(SocketRoutines, PartialAndBlockedSendsKeepTheRestAndAFailedSendIsErrorOneHundredAndTwo) {
  SocketConnect(socket());
  transport().arrive_connected();
  static_cast<void>(raised());
  transport().send_sizes = {3, -1, 2};
  write("abcdefgh");
  EXPECT_EQ(transport().sent, "abc");
  socketPoll(socket());  // would block: kept
  socketPoll(socket());  // two more
  EXPECT_EQ(transport().sent, "abcde");
  EXPECT_EQ(raised(), std::vector<std::string>{"Connected"}) << "no SendComplete while bytes wait";
  socketPoll(socket());
  EXPECT_EQ(transport().sent, "abcdefgh");
  EXPECT_EQ(raised(), std::vector<std::string>{"SendComplete"});

  transport().send_sizes = {-2};
  write("lost");
  EXPECT_EQ(socketLastErrorCode(socket(), 0), zif::socket_errors::connection_lost);
  EXPECT_FALSE(transport().open) << "an error closes the connection";
  socketPoll(socket());
  EXPECT_EQ(raised(), std::vector<std::string>{"Error"});
}

TEST_F(SocketRoutines, ReadingTakesFromTheFrontAndLookingAheadTakesNothing) {
  SocketConnect(socket());
  transport().arrive_connected();
  transport().incoming = "0123456789";
  socketPoll(socket());
  EXPECT_EQ(text_of(socketLookahead(socket(), 0)), "0123456789");
  EXPECT_EQ(text_of(pluginSocketLookahead(socket())), "0123456789");
  const std::vector<std::pair<std::int32_t, std::string>> reads{{0, ""}, {-4, ""}, {3, "012"},
                                                                 {1, "3"}, {100, "456789"}, {5, ""}};
  for (const auto& [count, expected] : reads) EXPECT_EQ(text_of(socketRead(socket(), count)), expected) << count;
  transport().incoming = "again";
  socketPoll(socket());
  EXPECT_EQ(text_of(pluginSocketRead(socket(), 2)), "ag");
  EXPECT_EQ(text_of(pluginSocketReadAll(socket())), "ain");

  transport().incoming = "x";
  transport().receive_fails = true;
  socketPoll(socket());
  EXPECT_EQ(socketLastErrorCode(socket(), 0), zif::socket_errors::receive_failed);
}

// Close from a handler: the events after it are not raised, the old
// implementation goes after its poll and the new one is idle; dropping the
// last reference from a handler is as safe.
TEST_F(SocketRoutines, HandlersThatCloseOrDropTheSocketWhileItIsPolled) {
  SocketConnect(socket());
  transport().arrive_connected();
  transport().incoming = "data";
  in_handler()["Connected"] = [](ZObject* s) { socketClose(s); };
  socketPoll(socket());
  EXPECT_EQ(raised(), std::vector<std::string>{"Connected"});
  EXPECT_FALSE(transport().open);
  EXPECT_EQ(text_of(socketLookahead(socket(), 0)), "");
  EXPECT_EQ(zrt::socket_implementations().size(), 1u);

  SocketConnect(socket());
  transport().arrive_connected();
  in_handler()["Connected"] = [this](ZObject*) { m_socket = {}; };
  zrt::poll_socket_implementations();
  EXPECT_EQ(raised(), std::vector<std::string>{"Connected"});
  EXPECT_TRUE(zrt::socket_implementations().empty());
}

TEST_F(SocketRoutines, AnIdleSocketWorksOnItsBuffersAndANilSocketRaises) {
  write("kept");
  EXPECT_EQ(text_of(socketRead(socket(), 4)), "");
  EXPECT_EQ(socketLocalAddressGetter(socket(), 0), nullptr) << "no socket is open";
  EXPECT_EQ(socketPPPStatus(socket(), 0), 0);
  EXPECT_EQ(text_of(socketRemoteAddressGetter(socket(), 0)), "");
  SocketListen(socket());
  EXPECT_EQ(text_of(socketLocalAddressGetter(socket(), 0)), "10.0.0.1");
  EXPECT_EQ(object_tests::raised_class([] { SocketConnect(nullptr); }), "NilObjectException");
  EXPECT_EQ(object_tests::raised_class([] { static_cast<void>(socketRead(nullptr, 1)); }), "NilObjectException");
}

}  // namespace
