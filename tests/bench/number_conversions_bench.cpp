// Time per call of the exported conversions between numbers and text, as
// compiled code calls them: a borrowed string in, a new string out and
// released. Each conversion should take under a microsecond.
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"
#include "tests/bench/bench.h"

#include <cstdio>

namespace {

constexpr double conversion_target_ns = 1000;

void bench_text_to_number(const char* text) {
  const zrt::StringRef string = zrt::StringRef::adopt(zrt::make_string(text));
  const zbench::Timing timing = zbench::measure([&] { zbench::keep(StringVal(string.get())); });
  char name[64];
  std::snprintf(name, sizeof name, "StringVal(\"%s\")", text);
  zbench::report(name, timing, conversion_target_ns);
}

void bench_number_to_text(double value) {
  const zbench::Timing timing = zbench::measure([&] { zrt::unlock_string(StringStr(value)); });
  char name[64];
  std::snprintf(name, sizeof name, "StringStr(%g)", value);
  zbench::report(name, timing, conversion_target_ns);
}

void bench_format(double value, const char* pattern) {
  const zrt::StringRef string = zrt::StringRef::adopt(zrt::make_string(pattern));
  const zbench::Timing timing = zbench::measure([&] { zrt::unlock_string(StringFormat(value, string.get())); });
  char name[64];
  std::snprintf(name, sizeof name, "StringFormat(%g, \"%s\")", value, pattern);
  zbench::report(name, timing, conversion_target_ns);
}

}  // namespace

int main() {
  bench_text_to_number("1234.5678");
  bench_text_to_number("  -3.25e-5");
  bench_text_to_number("&HFF");
  bench_number_to_text(1234.5678);
  bench_number_to_text(1.5e-7);
  bench_format(1234.5678, "#.00");
  bench_format(0.5, "#.00");
  bench_format(1234567.891, "#,##0.00");
  return 0;
}
