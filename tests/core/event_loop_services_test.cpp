// The services that join the event loop: the order of the idle work, idle
// routines that unregister while they run, and polling.
#include "runtime/core/event_loop.h"
#include "runtime/core/periodic_tasks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string g_ran;

void focus_idle() { g_ran += "focus "; }
void first_idle() { g_ran += "first "; }
void leaving_idle() {
  g_ran += "leaving ";
  zrt::unregister_idle_routine(&leaving_idle);
}

TEST(IdleWork, TheFocusedControlFirstThenTheServicesInOrder) {
  g_ran.clear();
  zrt::set_focus_idle_routine(&focus_idle);
  zrt::register_idle_routine(&leaving_idle);
  zrt::register_idle_routine(&first_idle);
  zrt::run_idle_work();
  zrt::run_idle_work();
  EXPECT_EQ(g_ran, "focus leaving first focus first ");
  zrt::unregister_idle_routine(&first_idle);
  zrt::set_focus_idle_routine(nullptr);
}

void do_nothing(zrt::PeriodicTask&) {}

TEST(Polling, TheLoopPollsWhilePeriodicTasksOrPollingServicesExist) {
  EXPECT_FALSE(zrt::loop_must_poll());
  zrt::add_polling_service();
  EXPECT_TRUE(zrt::loop_must_poll());
  zrt::remove_polling_service();
  zrt::PeriodicTask task;
  task.action = &do_nothing;
  zrt::register_periodic_task(task);
  EXPECT_TRUE(zrt::loop_must_poll());
  zrt::unregister_periodic_task(task);
  EXPECT_FALSE(zrt::loop_must_poll());
}

}  // namespace
