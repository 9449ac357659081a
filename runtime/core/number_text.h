// Numbers to plain text: the general form of a double, the same with the
// locale's decimal separator, and unsigned integers in hexadecimal or octal;
// and the fixed-point and exponent forms that number-to-text conversions
// start from, as the standard formatted-output conversions "%.Nf" and "%.Ne"
// print them in the C locale: "." before the fraction, an exponent with its
// sign and at least two digits, "inf", "-inf" and "nan" for values that are
// not finite.
//
// Those forms are printed with std::to_chars, which gives the decimal nearest
// to the exact binary value with ties going to the even digit: the same text
// as glibc's printf. The C libraries a Windows build may link differ from
// that and from each other (msvcrt, for one, writes three exponent digits),
// so the runtime prints the same text whichever one is linked.
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

// The "%.Nf" and "%.Ne" forms with this many decimals.
[[nodiscard]] std::string print_fixed(double value, int decimals);
[[nodiscard]] std::string print_exponent(double value, int decimals);

}  // namespace zrt
