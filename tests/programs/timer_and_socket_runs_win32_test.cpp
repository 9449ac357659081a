// Compiled programs with timers and sockets, run as processes of their own.
// They show what happens in their window's title; the test watches the
// title with its own clock and drives them through their buttons.
#include <winsock2.h>  // before windows.h

#include "tests/images/image_runs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace {

using image_runs::RunFolder;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A started program and its window.
struct Running {
  explicit Running(const std::string& name) : folder(name) {
    folder.write(name + ".exe", image_runs::built_program(name));
    process = folder.start(name + ".exe");
    window = driver::wait_for_window("", name);
  }
  ~Running() {
    if (window != nullptr) ::PostMessageA(window, WM_CLOSE, 0, 0);
    const image_runs::Outcome outcome = folder.finish(*process);
    EXPECT_EQ(outcome.exit_code, 0u);
    EXPECT_FALSE(outcome.message) << "a box nobody expected: " << *outcome.message;
  }
  Running(const Running&) = delete;
  Running& operator=(const Running&) = delete;

  void press(const char* caption) const {
    HWND button = driver::find_child(window, "", caption);
    ASSERT_NE(button, nullptr) << caption;
    driver::press_button(button);
  }

  [[nodiscard]] std::string title() const { return driver::window_text(window); }

  // Polls the title until it is `expected`; the time it was first seen, or
  // nothing when it is not within the limit (stretched on slow machines).
  [[nodiscard]] std::optional<Clock::time_point> wait_for_title(const std::string& expected,
                                                                milliseconds limit = milliseconds(5000)) const {
    const auto end = Clock::now() + driver::stretched(limit);
    while (Clock::now() < end) {
      if (title() == expected) return Clock::now();
      std::this_thread::sleep_for(milliseconds(2));
    }
    ADD_FAILURE() << "the title stayed \"" << title() << "\", not \"" << expected << "\"";
    return std::nullopt;
  }

  RunFolder folder;
  std::unique_ptr<driver::Process> process;
  HWND window = nullptr;
};

long long elapsed_ms(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration_cast<milliseconds>(to - from).count();
}

double process_cpu_seconds(DWORD process_id) {
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, process_id);
  FILETIME created{}, exited{}, kernel{}, user{};
  ::GetProcessTimes(process, &created, &exited, &kernel, &user);
  ::CloseHandle(process);
  const auto ticks = [](FILETIME time) { return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime; };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

TEST(TimerProgram, SingleAndMultipleTimersFireOnTimeAWindowPlacesOneAndTheLoopRestsWhenAllAreOff) {
  Running run("timers");
  ASSERT_NE(run.window, nullptr);

  // Mode 1, Period 500: once, then off.
  run.press("Single");
  const auto armed = run.wait_for_title("single armed");
  const auto fired = run.wait_for_title("single 1 mode 0");
  ASSERT_TRUE(armed && fired);
  EXPECT_GE(elapsed_ms(*armed, *fired), 450 - 20);
  EXPECT_LE(elapsed_ms(*armed, *fired), 650);
  std::this_thread::sleep_for(milliseconds(700));
  EXPECT_EQ(run.title(), "single 1 mode 0") << "a single timer fires once";

  // Mode 2, Period 100: about ten times a second.
  run.press("Multiple");
  const auto started = run.wait_for_title("multiple armed");
  ASSERT_TRUE(started);
  std::this_thread::sleep_until(*started + milliseconds(1000));
  const std::string after_a_second = run.title();
  run.press("Stop");
  ASSERT_TRUE(run.wait_for_title("stopped"));
  int count = 0;
  ASSERT_EQ(std::sscanf(after_a_second.c_str(), "multiple %d", &count), 1) << after_a_second;
  EXPECT_GE(count, 8);
  EXPECT_LE(count, 12);

  // The window's definition placed a timer and set its Period.
  run.press("Blink");
  const auto blink_armed = run.wait_for_title("blink armed");
  const auto blinked = run.wait_for_title("blink mode 0 period 300");
  ASSERT_TRUE(blink_armed && blinked);
  EXPECT_GE(elapsed_ms(*blink_armed, *blinked), 300 - 20);

  // Every timer off: the loop waits for messages.
  std::this_thread::sleep_for(milliseconds(100));
  const double cpu_before = process_cpu_seconds(run.process->id());
  const auto wall_before = Clock::now();
  std::this_thread::sleep_for(milliseconds(1000));
  const double cpu = process_cpu_seconds(run.process->id()) - cpu_before;
  const double wall = std::chrono::duration<double>(Clock::now() - wall_before).count();
  EXPECT_LT(cpu / wall, 0.05) << cpu << " s of processor time in " << wall << " s";
}

TEST(TimerProgram, PeriodChangesTheRunningPeriodModeRestartsItAndTimersDueTogetherFireNewestFirst) {
  Running run("timers");
  ASSERT_NE(run.window, nullptr);

  // Period 5000; 900 ms later Period becomes 1000: due about 100 ms on.
  run.press("Slow");
  const auto armed = run.wait_for_title("slow armed");
  ASSERT_TRUE(armed);
  std::this_thread::sleep_until(*armed + milliseconds(900));
  run.press("Shorten");
  const auto fired = run.wait_for_title("slow 1 mode 2");
  ASSERT_TRUE(fired);
  EXPECT_GE(elapsed_ms(*armed, *fired), 950);
  EXPECT_LE(elapsed_ms(*armed, *fired), 1250);

  // Half a second after that firing, Mode 2 again: the full second from the
  // handler that set it, not the half second left of the running period.
  std::this_thread::sleep_until(*fired + milliseconds(500));
  run.press("Rearm");
  const auto rearmed = run.wait_for_title("slow rearmed");
  const auto again = run.wait_for_title("slow 2 mode 2", milliseconds(3000));
  ASSERT_TRUE(rearmed && again);
  EXPECT_GE(elapsed_ms(*rearmed, *again), 950);
  EXPECT_LE(elapsed_ms(*rearmed, *again), 1300);
  run.press("Stop");
  ASSERT_TRUE(run.wait_for_title("stopped"));

  // Both due during a busy handler whose loop makes background calls:
  // neither fires there; then both in one pass, the newer first.
  run.press("Pair");
  ASSERT_TRUE(run.wait_for_title("older 2 mode 0", milliseconds(20000)));
  run.press("Report");
  EXPECT_TRUE(run.wait_for_title("order: newer older"));
  run.press("Stop");
  ASSERT_TRUE(run.wait_for_title("stopped"));
}

// A port that nobody listens on now: the system gives one and it is
// given back at once.
int free_port() {
  WSADATA data{};
  ::WSAStartup(0x0202, &data);
  const SOCKET probe = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
  int length = sizeof address;
  ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  ::closesocket(probe);
  return ::ntohs(address.sin_port);
}

TEST(SocketProgram, TwoSocketsTalkOverLoopbackThenLoseTheConnectionAndFindNobody) {
  Running run("sockets");
  ASSERT_NE(run.window, nullptr);
  const std::string port = std::to_string(free_port());
  run.folder.write("port.txt", image_runs::Bytes(port.begin(), port.end()));
  run.press("Start");
  EXPECT_TRUE(run.wait_for_title(
      "connected; sent; events 13 got ping-pong as ping|-pong; / connected from 127.0.0.1; events 5 0; "));

  run.press("Hang up");
  EXPECT_TRUE(run.wait_for_title(
      "connected; sent; events 13 got ping-pong as ping|-pong; error 102; / connected from 127.0.0.1; events 5 0; "));
  run.press("Again");
  EXPECT_TRUE(run.wait_for_title("error 101; / connected from 127.0.0.1; events 5 0; "))
      << "the listening socket served its one client";
  run.press("Nowhere");
  EXPECT_TRUE(run.wait_for_title("at once 101; error 101; / connected from 127.0.0.1; events 5 0; "));
}

}  // namespace
