// The full path of the running program, as the system names it.
#pragma once

#include <string>

namespace zrt {

[[nodiscard]] std::string executable_path();

}  // namespace zrt
