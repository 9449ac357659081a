// The hash of the name dictionary.
#include "runtime/core/name_dictionary.h"

namespace zrt {

std::uint32_t name_hash(std::string_view name) {
  std::uint32_t hash = 0;
  for (char c : name) {
    const char folded = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    const auto signed_byte = static_cast<std::int32_t>(static_cast<std::int8_t>(folded));
    hash = static_cast<std::uint32_t>(signed_byte) ^ (hash << 2);
  }
  return hash;
}

}  // namespace zrt
