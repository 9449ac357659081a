// Time per call of the text search routines on lines like those of a
// Gaussian output, and of array element reads and writes, as compiled code
// calls them.
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"
#include "tests/bench/bench.h"

#include <string>

namespace {

constexpr double search_target_ns = 200;
constexpr double replace_target_ns = 1000;
constexpr double element_target_ns = 10;

// A frequency line as Gaussian prints it: a label, then wide blank columns.
const std::string frequency_line =
    " Frequencies --    123.4567               234.5678               345.6789            ";

zrt::StringRef make(std::string_view text) { return zrt::StringRef::adopt(zrt::make_string(text)); }

void bench_in_str() {
  const std::string line = std::string(96, 'x') + "Raman";  // a 100-byte line, found at its end
  const auto haystack = make(line);
  const auto needle = make("raman");
  zbench::report("StringDBCSInStr(1, 100-byte line, \"raman\")",
                 zbench::measure([&] { zbench::keep(StringDBCSInStr(1, haystack.get(), needle.get())); }),
                 search_target_ns);
}

void bench_replace_all() {
  const auto line = make(frequency_line);
  const auto twelve_blanks = make(std::string(12, ' '));
  const auto one_blank = make(" ");
  zbench::report("StringReplaceAll(frequency line, 12 blanks, \" \")", zbench::measure([&] {
                   zrt::unlock_string(StringReplaceAll(line.get(), twelve_blanks.get(), one_blank.get()));
                 }),
                 replace_target_ns);
}

void bench_array_elements() {
  ZArray* array = RuntimeCreateArray();
  RuntimeArrayCreateAddIndex(array, 0, 4000);
  for (std::int32_t i = 0; i <= 4000; ++i) RuntimeDirectWriteDoubleArray(array, i, i * 0.5);
  std::int32_t index = 0;
  zbench::report("RuntimeDirectReadDoubleArray", zbench::measure([&] {
                   zbench::keep(RuntimeDirectReadDoubleArray(array, index));
                   index = index == 4000 ? 0 : index + 1;
                 }),
                 element_target_ns);
  zbench::report("RuntimeDirectWriteDoubleArray", zbench::measure([&] {
                   RuntimeDirectWriteDoubleArray(array, index, 1.0);
                   index = index == 4000 ? 0 : index + 1;
                 }),
                 element_target_ns);
  RuntimeDisposeIntArray(array);
}

}  // namespace

int main() {
  bench_in_str();
  bench_replace_all();
  bench_array_elements();
  return 0;
}
