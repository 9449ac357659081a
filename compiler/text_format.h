// Message formatting for the tools' diagnostics: "{}" placeholders filled with
// strings or decimal numbers, and hex() for offsets and codes.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace text {

// "0x1A2B": upper-case digits, no padding.
inline std::string hex(std::uint64_t value) {
  constexpr char k_digits[] = "0123456789ABCDEF";
  std::string digits;
  do {
    digits.insert(digits.begin(), k_digits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return "0x" + digits;
}

inline std::string piece(std::string_view value) { return std::string(value); }
inline std::string piece(std::integral auto value) { return std::to_string(value); }

// Replaces each "{}" of `pattern` by the next argument, in order.
template <typename... Args>
std::string format(std::string_view pattern, const Args&... args) {
  std::string result;
  auto append_next = [&](const std::string& value) {
    const std::size_t at = pattern.find("{}");
    result.append(pattern.substr(0, at));
    if (at == std::string_view::npos) return;
    result.append(value);
    pattern.remove_prefix(at + 2);
  };
  (append_next(piece(args)), ...);
  result.append(pattern);
  return result;
}

}  // namespace text
