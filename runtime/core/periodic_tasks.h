// Periodic tasks: records that timers and other runtime services register
// for regular service from the event loop and from the background calls of
// long computations. Times are in units of 16 milliseconds, the system's
// millisecond tick divided by 16.
#pragma once

#include <cstdint>

namespace zrt {

using TaskTime = std::uint32_t;

struct PeriodicTask {
  void (*action)(PeriodicTask& task) = nullptr;
  PeriodicTask* next = nullptr;
  TaskTime last_run = 0;
  TaskTime period = 0;
};

// The owner keeps the record alive while it is registered.
void register_periodic_task(PeriodicTask& task);
// Safe from inside any task's action, its own included.
void unregister_periodic_task(PeriodicTask& task);
[[nodiscard]] bool has_periodic_tasks();

// The current time in task units; replaceable so tests can set the time.
using TaskClock = TaskTime (*)();
TaskClock set_task_clock(TaskClock clock);
[[nodiscard]] TaskTime task_time_now();

// Runs each task whose period has passed since its last run, once, and
// stamps it with the time after its action. Tasks registered during the walk
// wait for the next one. Elapsed time is measured modulo the tick's range,
// so tasks keep running when the system tick wraps around.
void run_periodic_tasks();

// The background call of long loops: runs the due tasks only when the
// millisecond tick has changed since the previous call.
class BackgroundTicker {
 public:
  void tick(std::uint32_t milliseconds);

 private:
  std::uint32_t m_last = 0;
  bool m_seen = false;
};

}  // namespace zrt
