// Timers: the process-wide list of every existing timer, newest first,
// linked through each timer's next-timer field without holding references,
// and the timer service that the event loop runs once per turn. While any
// timer is on, the loop polls for messages instead of waiting, so the
// service sees the time pass.
#pragma once

#include "runtime/core/instance_fields.h"
#include "runtime/interface/timer_members.h"

#include <cstdint>

namespace zrt {

class TimerFields : public InstanceFields {
 public:
  explicit TimerFields(ZObject* timer) : InstanceFields(timer) {}

  [[nodiscard]] std::int32_t mode() const { return value<std::int16_t>(zif::timer_fields::mode); }
  [[nodiscard]] std::int32_t period() const { return value<std::int32_t>(zif::timer_fields::period); }
  [[nodiscard]] std::uint32_t last_fired() const { return value<std::uint32_t>(zif::timer_fields::last_fired); }
  [[nodiscard]] ZObject* next() const { return reference(zif::timer_fields::next_timer); }

  // Keeps the low 16 bits; the period counts again from now.
  void set_mode(std::int32_t mode, std::uint32_t now) const;
  // The running period goes on: the next firing is due at last fired + period.
  void set_period(std::int32_t period) const { set_value(zif::timer_fields::period, period); }
};

// The fields of a timer that compiled code passed; nil raises
// NilObjectException, as every property of a nil object does.
[[nodiscard]] TimerFields timer_fields_of(ZObject* timer);

// A new timer's period counts from now; it goes to the head of the list.
void link_timer(ZObject* timer, std::uint32_t now);
// A timer leaves the list when it goes away.
void unlink_timer(ZObject* timer);
[[nodiscard]] ZObject* newest_timer();

// True when some timer's Mode is not 0.
[[nodiscard]] bool any_timer_on();

// One pass at the tick `now`, at most one per tick: every timer that is on
// and whose period has run out since it last fired fires once, newest
// first; a single-mode timer is switched off right before its Action.
// Ticks are compared by their signed difference, so the tick count's wraps
// neither stop timers nor make them fire on every pass. Timers made by a
// handler during the pass wait for the next one.
void serve_timers(std::uint32_t now);
// Forgets the tick of the last pass, for a fresh start (tests).
void reset_timer_service();

// Gives the Timer class its constructor and destructor and joins the timer
// service to the event loop. Called once when the runtime starts.
void install_timers();

}  // namespace zrt
