// Time per call of the background call that long loops make, while the
// millisecond tick has not changed: one clock read and a comparison.
#include "runtime/core/periodic_tasks.h"
#include "runtime/core/system_queries.h"
#include "tests/bench/bench.h"

namespace {

constexpr double background_target_ns = 20;

}  // namespace

int main() {
  zrt::BackgroundTicker ticker;
  zbench::report("background call, tick unchanged", zbench::measure([&] { ticker.tick(zrt::millisecond_tick()); }),
                 background_target_ns);
  return 0;
}
