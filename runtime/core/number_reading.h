// Reading numbers from text: the "&H", "&O" and "&B" radix forms and decimal
// numbers as the formatted input conversion "%lf" reads them, and the same
// with the locale's separators.
#pragma once

#include "runtime/core/number_separators.h"

#include <string_view>

namespace zrt {

// "&H1F" (also "&O", "&B", either case) reads the digits of that radix into a
// 32-bit signed integer that wraps on overflow, skipping every other byte;
// any other second byte after "&" gives 0. Otherwise the longest decimal
// number at the start (after white space) is read; text that does not start
// with one gives 0.
[[nodiscard]] double text_to_number(std::string_view text);

// The text with every thousands separator removed and each decimal separator
// made a ".", then read by text_to_number.
[[nodiscard]] double locale_text_to_number(std::string_view text, const NumberSeparators& separators);

}  // namespace zrt
