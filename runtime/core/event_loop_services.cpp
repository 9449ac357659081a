// The services that join the event loop: idle routines, polling services
// and poll tests, and the message filter.
#include "runtime/core/event_loop.h"

#include "runtime/core/assert.h"
#include "runtime/core/periodic_tasks.h"

#include <algorithm>
#include <vector>

namespace zrt {
namespace {

IdleRoutine g_focus_idle = nullptr;
int g_polling_services = 0;
MessageFilter g_message_filter = nullptr;

std::vector<IdleRoutine>& idle_routines() {
  static std::vector<IdleRoutine> routines;
  return routines;
}

std::vector<PollTest>& poll_tests() {
  static std::vector<PollTest> tests;
  return tests;
}

}  // namespace

void set_focus_idle_routine(IdleRoutine routine) { g_focus_idle = routine; }

void register_idle_routine(IdleRoutine routine) { idle_routines().push_back(routine); }

void unregister_idle_routine(IdleRoutine routine) {
  auto& routines = idle_routines();
  routines.erase(std::remove(routines.begin(), routines.end(), routine), routines.end());
}

void run_idle_work() {
  if (g_focus_idle != nullptr) g_focus_idle();
  // A routine may unregister itself or others while it runs.
  const std::vector<IdleRoutine> routines = idle_routines();
  for (IdleRoutine routine : routines) routine();
}

void add_polling_service() { ++g_polling_services; }

void remove_polling_service() {
  ZASSERT(g_polling_services > 0, "a polling service removed that was never added");
  --g_polling_services;
}

void register_poll_test(PollTest test) {
  if (std::find(poll_tests().begin(), poll_tests().end(), test) == poll_tests().end()) poll_tests().push_back(test);
}

bool loop_must_poll() {
  return g_polling_services > 0 || has_periodic_tasks() ||
         std::any_of(poll_tests().begin(), poll_tests().end(), [](PollTest test) { return test(); });
}

void set_message_filter(MessageFilter filter) { g_message_filter = filter; }

MessageFilter message_filter() { return g_message_filter; }

}  // namespace zrt
