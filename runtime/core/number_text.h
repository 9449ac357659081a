// Numbers to plain text: the general form of a double, the same with the
// locale's decimal separator, and unsigned integers in hexadecimal or octal.
#pragma once

#include "runtime/core/number_separators.h"

#include <cstdint>
#include <string>

namespace zrt {

// Zero and magnitudes from 0.00001 to 1,000,000 in fixed-point form with at
// most 7 decimals and no trailing zeros or point ("2.5", "100"); others in
// exponent form with 7 decimals ("1.2345670e+06"). Negative zero gives "0".
[[nodiscard]] std::string number_to_text(double value);

// number_to_text with its point, if any, given as the locale's decimal separator.
[[nodiscard]] std::string number_to_locale_text(double value, const NumberSeparators& separators);

// Digits without leading zeros, at least one; hexadecimal in upper case.
[[nodiscard]] std::string hexadecimal_digits(std::uint32_t value);
[[nodiscard]] std::string octal_digits(std::uint32_t value);

}  // namespace zrt
