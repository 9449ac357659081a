// The task list, newest first, and its walk.
#include "runtime/core/periodic_tasks.h"

#include "runtime/core/system_queries.h"

#include <utility>

namespace zrt {
namespace {

// A task unit is 16 ms, so task times cover the 2^32 ms of the tick in 2^28 units.
constexpr TaskTime task_time_mask = 0x0FFFFFFF;

PeriodicTask* g_tasks = nullptr;
// The walk in progress: the task whose action runs and the one visited
// next. Unregistering either keeps the walk off the record, which its owner
// may free at once.
bool g_walking = false;
PeriodicTask* g_running = nullptr;
PeriodicTask* g_walk_next = nullptr;

TaskTime system_task_time() { return millisecond_tick() / 16; }

TaskClock g_clock = &system_task_time;

bool is_due(const PeriodicTask& task, TaskTime now) {
  return ((now - task.last_run) & task_time_mask) >= task.period;
}

}  // namespace

void register_periodic_task(PeriodicTask& task) {
  task.next = g_tasks;
  g_tasks = &task;
}

void unregister_periodic_task(PeriodicTask& task) {
  if (g_walk_next == &task) g_walk_next = task.next;
  if (g_running == &task) g_running = nullptr;
  for (PeriodicTask** link = &g_tasks; *link != nullptr; link = &(*link)->next) {
    if (*link != &task) continue;
    *link = task.next;
    task.next = nullptr;
    return;
  }
}

bool has_periodic_tasks() { return g_tasks != nullptr; }

TaskClock set_task_clock(TaskClock clock) { return std::exchange(g_clock, clock); }

TaskTime task_time_now() { return g_clock() & task_time_mask; }

void run_periodic_tasks() {
  const TaskTime now = task_time_now();
  // A walk started from inside an action (a task that calls the background
  // routine) would run tasks twice; the outer walk finishes the list.
  if (g_walking) return;
  g_walking = true;
  for (PeriodicTask* task = g_tasks; task != nullptr; task = g_walk_next) {
    g_walk_next = task->next;
    if (!is_due(*task, now)) continue;
    g_running = task;
    task->action(*task);
    if (g_running == task) task->last_run = task_time_now();
  }
  g_running = nullptr;
  g_walk_next = nullptr;
  g_walking = false;
}

void BackgroundTicker::tick(std::uint32_t milliseconds) {
  if (m_seen && milliseconds == m_last) return;
  m_seen = true;
  m_last = milliseconds;
  run_periodic_tasks();
}

}  // namespace zrt
