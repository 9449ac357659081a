// The event loop under Windows: periodic tasks keep it polling and run in
// every turn, it waits without using the processor otherwise, modal display
// ends when the window is hidden or closed from a handler, and the runtime's
// message box takes its caption and owner from the settings and windows.
#include "runtime/core/periodic_tasks.h"
#include "tests/ui/window_test_support_win32.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace window_tests;

struct LoopTask : zrt::PeriodicTask {
  LoopTask() = default;
  LoopTask(const LoopTask&) = delete;
  ~LoopTask() { zrt::unregister_periodic_task(*this); }
  int runs = 0;
  ZObject* window = nullptr;
  void (*also)(LoopTask&) = nullptr;
};

void run_loop_task(zrt::PeriodicTask& task) {
  auto& loop_task = static_cast<LoopTask&>(task);
  ++loop_task.runs;
  if (loop_task.also != nullptr) loop_task.also(loop_task);
}

void start_task(LoopTask& task, zrt::TaskTime period) {
  task.action = &run_loop_task;
  task.period = period;
  task.last_run = zrt::task_time_now();
  zrt::register_periodic_task(task);
}

using EventLoop = WindowTest;

TEST_F(EventLoop, APeriodZeroTaskRunsInEveryTurnAndTheLoopDoesNotWait) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start();
  const zrt::ObjectRef window = create(main);
  LoopTask task;
  start_task(task, 0);
  // No message is posted: a loop that waited would hang here.
  for (int i = 0; i < 3; ++i) zrt::run_event_loop_turn();
  EXPECT_EQ(task.runs, 3);
}

TEST_F(EventLoop, ATaskWaitsForItsPeriod) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start();
  const zrt::ObjectRef window = create(main);
  LoopTask task;
  start_task(task, 1000);  // 16 seconds
  for (int i = 0; i < 3; ++i) zrt::run_event_loop_turn();
  EXPECT_EQ(task.runs, 0);
}

double process_cpu_seconds() {
  FILETIME created{}, exited{}, kernel{}, user{};
  ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ticks = [](FILETIME time) { return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime; };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

double seconds_since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST_F(EventLoop, AnIdleLoopWaitsWithoutUsingTheProcessor) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start();
  HWND handle = handle_of(create(main));
  turn();
  // Measured while the loop waits, up to the close request: what closing
  // the window and leaving the loop cost is not idle time.
  double cpu = 0;
  double wall = 0;
  std::thread closer([&] {
    const double cpu_before = process_cpu_seconds();
    const auto wall_before = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    cpu = process_cpu_seconds() - cpu_before;
    wall = seconds_since(wall_before);
    ::PostMessageA(handle, WM_CLOSE, 0, 0);
  });
  const auto run_start = std::chrono::steady_clock::now();
  RuntimeRun();
  const double run_seconds = seconds_since(run_start);
  closer.join();
  EXPECT_GE(run_seconds, 0.9) << "the loop ended before the close request";
  EXPECT_LT(cpu / wall, 0.05) << cpu << " s of processor time in " << wall << " s";
}

void hide_window(LoopTask& task) {
  if (task.runs == 2) RuntimeHideWindow(task.window);
}

void close_window(LoopTask& task) {
  if (task.runs == 2) RuntimeCloseWindow(task.window);
}

TEST_F(EventLoop, ShowModalReturnsWhenAHandlerHidesTheWindow) {
  const auto modal = define(window_class, {{"Frame", "1"}});
  start();
  const zrt::ObjectRef window = create(modal);
  LoopTask task;
  task.window = window.get();
  task.also = &hide_window;
  start_task(task, 0);
  RuntimeShowModal(window.get());
  EXPECT_EQ(task.runs, 2);
  EXPECT_FALSE(::IsWindowVisible(handle_of(window)));
  EXPECT_NE(zrt::WindowFields(window.get()).native(), nullptr);
}

TEST_F(EventLoop, ShowModalReturnsWhenAHandlerClosesTheWindow) {
  const auto modal = define(window_class, {{"Frame", "1"}});
  start();
  zrt::Word variable = 0;
  ZObject* window = create(modal, &variable).get();  // the variable holds it now
  LoopTask task;
  task.window = window;
  task.also = &close_window;
  start_task(task, 0);
  RuntimeShowModal(window);
  EXPECT_EQ(task.runs, 2);
  EXPECT_EQ(variable, 0u);
}

struct SeenMessageBox {
  std::string caption;
  std::string text;
  HWND owner = nullptr;
};

// Answers the next message box of this process from another thread, as
// the user would, and tells what it showed.
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer()
      : m_thread([this] {
          HWND box = driver_wait_for_box();
          if (box == nullptr) return;
          char text[256] = {};
          ::GetWindowTextA(box, text, sizeof text);
          m_seen.caption = text;
          if (HWND label = ::FindWindowExA(box, nullptr, "Static", nullptr); label != nullptr) {
            // The first static may be the icon; the text is the one with text.
            for (; label != nullptr; label = ::FindWindowExA(box, label, "Static", nullptr)) {
              ::GetWindowTextA(label, text, sizeof text);
              if (text[0] != 0) break;
            }
            m_seen.text = text;
          }
          m_seen.owner = ::GetWindow(box, GW_OWNER);
          ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        }) {}
  ~MessageBoxAnswerer() {
    if (m_thread.joinable()) m_thread.join();
  }

  const SeenMessageBox& seen() {
    m_thread.join();
    return m_seen;
  }

 private:
  static BOOL CALLBACK find_box(HWND window, LPARAM found) {
    char name[16] = {};
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != ::GetCurrentProcessId() || !::IsWindowVisible(window)) return TRUE;
    ::GetClassNameA(window, name, sizeof name);
    if (std::string_view(name) != "#32770") return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }

  static HWND driver_wait_for_box() {
    for (int attempt = 0; attempt < 500; ++attempt) {
      HWND found = nullptr;
      ::EnumWindows(&find_box, reinterpret_cast<LPARAM>(&found));
      if (found != nullptr) return found;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
  }

  SeenMessageBox m_seen;
  std::thread m_thread;
};

TEST_F(EventLoop, AMessageBoxBeforeAnyWindowHasNoOwnerAndTheCaptionMessage) {
  start();
  zrt::set_message_box_answerer(nullptr);  // the system's own box, which the fixture answers otherwise
  MessageBoxAnswerer answerer;
  const zrt::StringRef text = zrt::StringRef::adopt(zrt::make_string("No file"));
  RuntimeMsgBox(text.get());
  const SeenMessageBox& seen = answerer.seen();
  EXPECT_EQ(seen.caption, "Message");
  EXPECT_EQ(seen.text, "No file");
  EXPECT_EQ(seen.owner, nullptr);
}

TEST_F(EventLoop, AMessageBoxIsOwnedByTheDocumentWindow) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start();
  const zrt::ObjectRef window = create(main);
  turn();
  zrt::set_message_box_answerer(nullptr);
  MessageBoxAnswerer answerer;
  RuntimeMsgBox(nullptr);
  EXPECT_EQ(answerer.seen().owner, handle_of(window));
}

}  // namespace

namespace {

using EventLoopWithoutWindows = window_tests::WindowTest;

TEST_F(EventLoopWithoutWindows, RunReturnsAtOnceWhenNoWindowWasEverOpened) {
  start();
  const auto before = std::chrono::steady_clock::now();
  RuntimeRun();
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1));
  EXPECT_TRUE(zrt::application_state().quit);
}

}  // namespace
