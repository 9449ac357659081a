// The Mac OS Roman upper-case table and the name comparisons built on it.
#include "runtime/core/name_equality.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zrt {
namespace {

// Lower-case letters of Mac OS Roman above ASCII and their capitals.
constexpr std::pair<std::uint8_t, std::uint8_t> roman_capitals[] = {
    {0x87, 0xE7}, {0x88, 0xCB}, {0x89, 0xE5}, {0x8A, 0x80}, {0x8B, 0xCC}, {0x8C, 0x81},
    {0x8D, 0x82}, {0x8E, 0x83}, {0x8F, 0xE9}, {0x90, 0xE6}, {0x91, 0xE8}, {0x92, 0xEA},
    {0x93, 0xED}, {0x94, 0xEB}, {0x95, 0xEC}, {0x96, 0x84}, {0x97, 0xEE}, {0x98, 0xF1},
    {0x99, 0xEF}, {0x9A, 0x85}, {0x9B, 0xCD}, {0x9C, 0xF2}, {0x9D, 0xF4}, {0x9E, 0xF3},
    {0x9F, 0x86}, {0xBE, 0xAE}, {0xBF, 0xAF}, {0xCF, 0xCE}, {0xD8, 0xD9}, {0xF5, 0x49},
};

constexpr std::array<std::uint8_t, 256> make_upper_table() {
  std::array<std::uint8_t, 256> table{};
  for (int byte = 0; byte < 256; ++byte) table[byte] = static_cast<std::uint8_t>(byte);
  for (int byte = 'a'; byte <= 'z'; ++byte) table[byte] = static_cast<std::uint8_t>(byte - 'a' + 'A');
  for (const auto& [lower, upper] : roman_capitals) table[lower] = upper;
  return table;
}

constexpr std::array<std::uint8_t, 256> g_upper = make_upper_table();

}  // namespace

std::uint8_t name_upper(std::uint8_t byte) {
  return g_upper[byte];
}

bool names_equal(std::string_view first, std::string_view second) {
  return first.size() == second.size() && compare_names(first, second) == 0;
}

int compare_names(std::string_view first, std::string_view second) {
  const std::size_t common = std::min(first.size(), second.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int a = name_upper(static_cast<std::uint8_t>(first[i]));
    const int b = name_upper(static_cast<std::uint8_t>(second[i]));
    if (a != b) return a - b;
  }
  if (first.size() == second.size()) return 0;
  return first.size() < second.size() ? -1 : 1;
}

}  // namespace zrt
