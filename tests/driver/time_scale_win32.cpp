// The factor by which the driver's waits grow on a slow machine.
#include "tests/driver/gui_driver.h"

#include <cstdlib>

namespace driver {

Timeout stretched(Timeout timeout) {
  static const long factor = [] {
    const char* text = std::getenv("Z_TEST_TIME_SCALE");
    const long value = text != nullptr ? std::strtol(text, nullptr, 10) : 1;
    return value > 0 ? value : 1;
  }();
  return timeout * factor;
}

}  // namespace driver
