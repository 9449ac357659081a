// A small timing harness for the benchmark programs: it runs a body in
// growing batches until a time budget is spent, then prints the time per call
// beside the target. Figures are for reading; nothing fails on them.
#pragma once

#include <chrono>
#include <cstdio>
#include <string_view>

namespace zbench {

// Keeps the optimiser from dropping a value that is computed but not used.
template <typename T>
void keep(const T& value) {
  asm volatile("" : : "g"(&value) : "memory");
}

struct Timing {
  double nanoseconds_per_call = 0;
  long long calls = 0;
};

// Batches double in size so that the clock is read rarely even for bodies of
// a few nanoseconds, and a slow body still stops near the budget.
template <typename Body>
Timing measure(Body&& body, std::chrono::milliseconds budget = std::chrono::milliseconds(200)) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  Clock::duration spent{};
  long long calls = 0;
  for (long long batch = 1; spent < budget; batch *= 2) {
    for (long long i = 0; i < batch; ++i) body();
    calls += batch;
    spent = Clock::now() - start;
  }
  const double nanoseconds = std::chrono::duration<double, std::nano>(spent).count();
  return {nanoseconds / static_cast<double>(calls), calls};
}

// One line per figure: what was measured, the time per call and the target.
inline void report(std::string_view name, const Timing& timing, double target_nanoseconds) {
  const char* verdict = timing.nanoseconds_per_call <= target_nanoseconds ? "within target" : "OVER TARGET";
  std::printf("%-44.*s %10.1f ns/call  (target < %.0f ns, %s; %lld calls)\n", static_cast<int>(name.size()),
              name.data(), timing.nanoseconds_per_call, target_nanoseconds, verdict, timing.calls);
}

}  // namespace zbench
