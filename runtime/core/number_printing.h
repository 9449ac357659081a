// The fixed-point and exponent forms that number-to-text conversions start
// from, as the standard formatted-output conversions "%.Nf" and "%.Ne" print
// them in the C locale: "." before the fraction, an exponent with its sign and
// at least two digits, "inf", "-inf" and "nan" for values that are not finite.
//
// They are printed with std::to_chars, which gives the decimal nearest to the
// exact binary value with ties going to the even digit: the same text as
// glibc's printf. The C libraries a Windows build may link differ from that
// and from each other (msvcrt, for one, writes three exponent digits), so the
// runtime prints the same text whichever one is linked.
#pragma once

#include <string>

namespace zrt {

[[nodiscard]] std::string print_fixed(double value, int decimals);
[[nodiscard]] std::string print_exponent(double value, int decimals);

}  // namespace zrt
