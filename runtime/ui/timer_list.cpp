// The timer list and the timer service.
#include "runtime/ui/timer_list.h"

#include "runtime/core/event_loop.h"
#include "runtime/core/events.h"
#include "runtime/core/exceptions.h"
#include "runtime/core/native_lifecycle.h"
#include "runtime/core/system_queries.h"

namespace zrt {
namespace {

namespace fields = zif::timer_fields;

ZObject* g_newest_timer = nullptr;
std::uint32_t g_last_pass = 0;
bool g_passed = false;

void set_next(ZObject* timer, ZObject* next) { TimerFields(timer).set_record(fields::next_timer, next); }

// Signed difference: right across the tick count's wraps.
bool period_has_run_out(const TimerFields& timer, std::uint32_t now) {
  return static_cast<std::int32_t>(now - timer.last_fired()) >= timer.period();
}

void fire_if_due(ZObject* timer, std::uint32_t now) {
  const TimerFields fields(timer);
  if (fields.mode() == 0 || !period_has_run_out(fields, now)) return;
  fields.set_value(fields::last_fired, now);
  if (fields.mode() == 1) fields.set_value(fields::mode, std::int16_t{0});
  raise_event(timer, {"Timer", "Action"});
}

void construct_timer_instance(ZObject* timer, ClassRecord*) { link_timer(timer, millisecond_tick()); }
void destroy_timer_instance(ZObject* timer, ClassRecord*) { unlink_timer(timer); }
void serve_timers_now() { serve_timers(millisecond_tick()); }

}  // namespace

void TimerFields::set_mode(std::int32_t mode, std::uint32_t now) const {
  set_value(fields::mode, static_cast<std::int16_t>(mode));
  set_value(fields::last_fired, now);
}

TimerFields timer_fields_of(ZObject* timer) {
  if (timer == nullptr) raise_new_exception("NilObjectException");
  return TimerFields(timer);
}

void link_timer(ZObject* timer, std::uint32_t now) {
  TimerFields(timer).set_value(fields::last_fired, now);
  set_next(timer, g_newest_timer);
  g_newest_timer = timer;
}

void unlink_timer(ZObject* timer) {
  if (g_newest_timer == timer) {
    g_newest_timer = TimerFields(timer).next();
    return;
  }
  for (ZObject* before = g_newest_timer; before != nullptr; before = TimerFields(before).next()) {
    if (TimerFields(before).next() != timer) continue;
    set_next(before, TimerFields(timer).next());
    return;
  }
}

ZObject* newest_timer() { return g_newest_timer; }

bool any_timer_on() {
  for (ZObject* timer = g_newest_timer; timer != nullptr; timer = TimerFields(timer).next())
    if (TimerFields(timer).mode() != 0) return true;
  return false;
}

void serve_timers(std::uint32_t now) {
  if (g_passed && now == g_last_pass) return;
  g_passed = true;
  g_last_pass = now;
  // Each timer is held while its handler runs, and the next one is taken
  // only after it, so a handler may drop any timer, its own included.
  ObjectRef timer = ObjectRef::share(g_newest_timer);
  while (timer.get() != nullptr) {
    fire_if_due(timer.get(), now);
    timer = ObjectRef::share(TimerFields(timer.get()).next());
  }
}

void reset_timer_service() { g_passed = false; }

void install_timers() {
  set_native_lifecycle("Timer", &construct_timer_instance, &destroy_timer_instance);
  unregister_idle_routine(&serve_timers_now);
  register_idle_routine(&serve_timers_now);
  register_poll_test(&any_timer_on);
}

}  // namespace zrt
