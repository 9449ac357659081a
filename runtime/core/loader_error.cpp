// Composing the loader's failure messages.
#include "runtime/core/loader_error.h"

#include <cstdio>

namespace zrt {

LoadError load_failure(std::string_view reason) {
  std::string message(k_load_failure_prefix);
  message += reason;
  message += '.';
  return {message};
}

std::string hex(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
  return text;
}

}  // namespace zrt
