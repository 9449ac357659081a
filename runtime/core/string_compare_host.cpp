// RuntimeStringCompare where there is no system locale: bytes compared with
// ASCII letters folded, which orders plain text as the system's comparison
// for an English locale would, ignoring letter case.
#include "runtime/core/strings.h"

#include "runtime/interface/exports.h"

#include <algorithm>
#include <cctype>

extern "C" std::int32_t RuntimeStringCompare(ZString* first, ZString* second) {
  const std::string_view a = zrt::string_text(first);
  const std::string_view b = zrt::string_text(second);
  const auto folded = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
  const auto [in_a, in_b] = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                          [&](char x, char y) { return folded(x) == folded(y); });
  if (in_a == a.end()) return in_b == b.end() ? 0 : -1;
  if (in_b == b.end()) return 1;
  return folded(*in_a) < folded(*in_b) ? -1 : 1;
}
