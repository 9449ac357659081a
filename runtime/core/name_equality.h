// How the runtime compares names of classes, members, events and imports:
// byte by byte through the Mac OS Roman upper-case table, so the names an
// image was built with match whatever case they are written in.
#pragma once

#include <cstdint>
#include <string_view>

namespace zrt {

[[nodiscard]] std::uint8_t name_upper(std::uint8_t byte);

// Equal lengths and equal mapped bytes.
[[nodiscard]] bool names_equal(std::string_view first, std::string_view second);

// Negative, 0 or positive as first sorts before, with or after second:
// mapped bytes as unsigned values, and a proper prefix first.
[[nodiscard]] int compare_names(std::string_view first, std::string_view second);

}  // namespace zrt
