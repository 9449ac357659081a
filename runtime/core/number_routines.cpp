// The exported conversions between numbers and text and the arithmetic
// routines. Each takes its string arguments borrowed and returns a new
// reference; the work is done by number_reading, number_text, number_format
// and arithmetic. Double results reach compiled code on the x87 stack, which
// is where cdecl returns a double on the 32-bit target.
#include "runtime/core/arithmetic.h"
#include "runtime/core/number_format.h"
#include "runtime/core/number_reading.h"
#include "runtime/core/number_text.h"
#include "runtime/core/system_queries.h"
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"

#include <cmath>

extern "C" {

double StringVal(ZString* text) {
  return zrt::text_to_number(zrt::string_text(text));
}

double runCDbl(ZString* text) {
  return zrt::locale_text_to_number(zrt::string_text(text), zrt::locale_number_separators());
}

ZString* StringStr(double value) {
  return zrt::make_string(zrt::number_to_text(value));
}

ZString* runCStr(double value) {
  return zrt::make_string(zrt::number_to_locale_text(value, zrt::locale_number_separators()));
}

ZString* StringFormat(double value, ZString* pattern) {
  return zrt::make_string(zrt::format_number(value, zrt::string_text(pattern), zrt::locale_number_separators()));
}

ZString* RuntimeHex(std::uint32_t value) {
  return zrt::make_string(zrt::hexadecimal_digits(value));
}

ZString* RuntimeOct(std::uint32_t value) {
  return zrt::make_string(zrt::octal_digits(value));
}

std::int32_t FPToInt(double value) {
  return zrt::truncate_to_int(value);
}

double IntToFP(std::int32_t value) {
  return value;
}

double RuntimeRound(double value) {
  return zrt::round_half_up(value);
}

double RuntimeFloor(double value) {
  return std::floor(value);
}

double RuntimeCeil(double value) {
  return std::ceil(value);
}

double RuntimeAbs(double value) {
  return std::fabs(value);
}

double RuntimeMax(double first, double second) {
  return std::fmax(first, second);
}

double RuntimeMin(double first, double second) {
  return std::fmin(first, second);
}

double RuntimeSqrt(double value) {
  return std::sqrt(value);
}

double RuntimeExp(double value) {
  return std::exp(value);
}

double RuntimeLog(double value) {
  return std::log(value);
}

double RuntimePow(double base, double exponent) {
  return std::pow(base, exponent);
}

double RuntimeSin(double angle) {
  return std::sin(angle);
}

double RuntimeCos(double angle) {
  return std::cos(angle);
}

double RuntimeTan(double angle) {
  return std::tan(angle);
}

double RuntimeATan(double value) {
  return std::atan(value);
}

double RuntimeATan2(double y, double x) {
  return std::atan2(y, x);
}

double RuntimeASin(double value) {
  return std::asin(value);
}

double RuntimeACos(double value) {
  return std::acos(value);
}

std::uint32_t RuntimeRGB(std::int32_t red, std::int32_t green, std::int32_t blue) {
  return zrt::compose_color(red, green, blue);
}

}
