// Periodic tasks: when they are due, their time stamps, period 0, changes
// to the list from inside an action, the tick wrapping around, and the
// background call that runs them only on a changed tick.
#include "runtime/core/periodic_tasks.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

zrt::TaskTime g_now = 0;
zrt::TaskTime test_clock() { return g_now; }

// Unregisters itself when the test's record goes away.
struct CountedTask : zrt::PeriodicTask {
  CountedTask() = default;
  CountedTask(const CountedTask&) = delete;
  ~CountedTask() { zrt::unregister_periodic_task(*this); }
  int runs = 0;
  std::function<void(CountedTask&)> also;
};

void count_run(zrt::PeriodicTask& task) {
  auto& counted = static_cast<CountedTask&>(task);
  ++counted.runs;
  if (counted.also) counted.also(counted);
}

void set_up(CountedTask& task, zrt::TaskTime period, zrt::TaskTime last_run) {
  task.action = &count_run;
  task.period = period;
  task.last_run = last_run;
}

class PeriodicTasks : public ::testing::Test {
 protected:
  void SetUp() override {
    g_now = 1000;
    m_previous = zrt::set_task_clock(&test_clock);
  }
  void TearDown() override {
    zrt::set_task_clock(m_previous);
    EXPECT_FALSE(zrt::has_periodic_tasks());
  }
  static void add(CountedTask& task) { zrt::register_periodic_task(task); }

 private:
  zrt::TaskClock m_previous = nullptr;
};

TEST_F(PeriodicTasks, RunsATaskOnceItsPeriodHasPassedAndStampsIt) {
  CountedTask task;
  set_up(task, 10, 995);
  add(task);
  zrt::run_periodic_tasks();
  EXPECT_EQ(task.runs, 0);
  g_now = 1005;
  zrt::run_periodic_tasks();
  EXPECT_EQ(task.runs, 1);
  EXPECT_EQ(task.last_run, 1005u);
  zrt::run_periodic_tasks();
  EXPECT_EQ(task.runs, 1);
}

TEST_F(PeriodicTasks, StampsWithTheTimeAfterTheAction) {
  CountedTask slow;
  set_up(slow, 0, 0);
  slow.also = [](CountedTask&) { g_now += 7; };
  add(slow);
  zrt::run_periodic_tasks();
  EXPECT_EQ(slow.last_run, 1007u);
}

TEST_F(PeriodicTasks, PeriodZeroRunsInEveryWalkButNeverTwiceInOne) {
  CountedTask task;
  set_up(task, 0, 1000);
  add(task);
  zrt::run_periodic_tasks();
  zrt::run_periodic_tasks();
  EXPECT_EQ(task.runs, 2);
}

TEST_F(PeriodicTasks, AnActionMayUnregisterItselfOrTheNextTask) {
  CountedTask older;
  set_up(older, 0, 0);
  CountedTask newer;
  set_up(newer, 0, 0);
  add(older);
  add(newer);  // the walk visits newer first
  newer.also = [&](CountedTask& self) {
    zrt::unregister_periodic_task(self);
    zrt::unregister_periodic_task(older);
  };
  zrt::run_periodic_tasks();
  EXPECT_EQ(newer.runs, 1);
  EXPECT_EQ(older.runs, 0) << "a task removed during the walk is not run";
  EXPECT_EQ(newer.last_run, 0u) << "a record removed by its own action is not written to";
}

TEST_F(PeriodicTasks, ATaskRegisteredDuringTheWalkWaitsForTheNext) {
  CountedTask later;
  set_up(later, 0, 0);
  CountedTask first;
  set_up(first, 0, 0);
  add(first);
  first.also = [&](CountedTask&) {
    if (later.runs == 0 && first.runs == 1) add(later);
  };
  zrt::run_periodic_tasks();
  EXPECT_EQ(later.runs, 0);
  zrt::run_periodic_tasks();
  EXPECT_EQ(later.runs, 1);
}

TEST_F(PeriodicTasks, AWalkStartedFromAnActionRunsNothing) {
  CountedTask task;
  set_up(task, 0, 0);
  task.also = [](CountedTask&) { zrt::run_periodic_tasks(); };
  add(task);
  zrt::run_periodic_tasks();
  EXPECT_EQ(task.runs, 1);
}

TEST_F(PeriodicTasks, KeepRunningWhenTheTickWrapsAround) {
  CountedTask task;
  set_up(task, 4, 0x0FFFFFFE);
  add(task);
  g_now = 0x10000001;  // the tick wrapped: three units after the last run
  zrt::run_periodic_tasks();
  EXPECT_EQ(task.runs, 0);
  g_now = 0x10000002;
  zrt::run_periodic_tasks();
  EXPECT_EQ(task.runs, 1) << "four units passed across the wrap";
}

TEST_F(PeriodicTasks, TheBackgroundCallRunsTasksOnlyWhenTheTickChanged) {
  CountedTask task;
  set_up(task, 0, 0);
  add(task);
  zrt::BackgroundTicker ticker;
  ticker.tick(5000);
  ticker.tick(5000);
  ticker.tick(5000);
  EXPECT_EQ(task.runs, 1);
  ticker.tick(5001);
  EXPECT_EQ(task.runs, 2);
}

}  // namespace
