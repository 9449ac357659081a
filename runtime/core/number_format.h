// Numbers to text by a pattern of up to three sections separated by ";": for
// positive numbers, for negative ones and for zero. A section's "0" and "#"
// are digit places ("0" shows a zero where the number has no digit, "#"
// nothing), "." the decimal separator, "," grouping by thousands, "%" a
// percentage, "e" or "E" exponent form, "+" and "-" the sign, "(" and ")"
// themselves, and "\" makes the next byte literal; other bytes are dropped.
// The whole pattern "Scientific" (any case) means "-#.000000E+".
#pragma once

#include "runtime/core/number_separators.h"

#include <string>
#include <string_view>

namespace zrt {

[[nodiscard]] std::string format_number(double value, std::string_view pattern, const NumberSeparators& separators);

}  // namespace zrt
