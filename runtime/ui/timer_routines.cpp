// The accessors of Timer: Mode restarts the period when it is set, Period
// changes the due time of the running period without restarting it.
#include "runtime/core/system_queries.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/timer_list.h"

using zrt::timer_fields_of;

extern "C" {

std::int32_t timerModeGetter(ZObject* timer, std::int32_t) { return timer_fields_of(timer).mode(); }
void timerModeSetter(ZObject* timer, std::int32_t, std::int32_t mode) {
  timer_fields_of(timer).set_mode(mode, zrt::millisecond_tick());
}
std::int32_t timerPeriodGetter(ZObject* timer, std::int32_t) { return timer_fields_of(timer).period(); }
void timerPeriodSetter(ZObject* timer, std::int32_t, std::int32_t period) {
  timer_fields_of(timer).set_period(period);
}

}  // extern "C"
